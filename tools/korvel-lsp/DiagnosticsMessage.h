#pragma once

#include "CheckedDocument.h"

#include <QByteArray>
#include <QString>

// The complete textDocument/publishDiagnostics notification for a document:
// every diagnostic of every line, in line order and raising order (see
// LineDiagnosticsJson for what each holds). A negative version is left out.
QByteArray publishDiagnosticsMessage(const QString& uri, int version, const CheckedDocument& document);

// The same diagnostics as a JSON array, appended to `out`: the items of a
// textDocument/diagnostic report.
void appendDiagnosticsArray(QByteArray& out, const CheckedDocument& document);
