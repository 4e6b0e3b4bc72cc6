#include "InnermostIdentifier.h"

const IdentifierRecord* innermostIdentifier(const QVector<IdentifierRecord>& records, int pos)
{
    const IdentifierRecord* best = nullptr;
    for (const IdentifierRecord& record : records)
        if (record.start < pos && pos <= record.end && (!best || record.start > best->start))
            best = &record;
    return best;
}
