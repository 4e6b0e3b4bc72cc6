#pragma once

#include "checker/core/IdentifierRecord.h"

#include <QVector>

// The identifier occurrence a position in a line belongs to: among the
// records with start < pos <= end, the one that starts last, so that inside
// "$left($len(x),2)" the "$len" call wins over the "$left" call around it.
// Among records with the same start the first one listed wins. A position on
// the "$" itself (pos == start) belongs to no record: the caret there stands
// before the identifier, not in it. Null when no record covers pos.
const IdentifierRecord* innermostIdentifier(const QVector<IdentifierRecord>& records, int pos);
