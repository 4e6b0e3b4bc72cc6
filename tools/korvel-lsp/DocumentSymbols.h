#pragma once

#include "CheckedDocument.h"

#include <QJsonArray>

// textDocument/documentSymbol: the script's outline (aliases, dialogs,
// event handlers, menus) as symbols in line order. A symbol's range runs
// from its header to the last line before the script is back at its root
// level; its selection range is the name on the header line.
QJsonArray documentSymbols(const CheckedDocument& document);
