#pragma once

#include "CheckedDocument.h"

#include <QJsonArray>

// textDocument/foldingRange: a range for every block the checker saw open
// and close (an alias, event or menu body, a dialog table, and each brace
// block inside them), read from the states the lines hand on. A block runs
// from the line that opens it to the line before the one that closes it, so
// that the closing brace stays in sight; a block left open runs to the end.
QJsonArray foldingRanges(const CheckedDocument& document);
