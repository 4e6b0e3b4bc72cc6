#pragma once

#include "CheckedDocument.h"

#include <QJsonArray>

// textDocument/formatting: the editor's re-indent from the braces
// (BraceIndenter), as the edits that give each line the leading spaces it
// should have. Lines already right get no edit.
QJsonArray formattingEdits(const CheckedDocument& document);
