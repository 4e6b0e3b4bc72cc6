#include "RowOrder.h"

#include "DiagnosticRow.h"

void RowOrder::sortBy(DiagnosticField field, Qt::SortOrder order)
{
    sorted = true;
    sortField = field;
    sortOrder = order;
}

bool RowOrder::keyBefore(const DiagnosticRow& a, const DiagnosticRow& b) const
{
    if (!sorted)
        return false;
    return sortOrder == Qt::AscendingOrder ? fieldLess(sortField, a, b) : fieldLess(sortField, b, a);
}

bool RowOrder::before(const DiagnosticRow& a, const DiagnosticRow& b) const
{
    if (keyBefore(a, b))
        return true;
    if (keyBefore(b, a))
        return false;
    return a.sequence < b.sequence;
}

bool fieldLess(DiagnosticField field, const DiagnosticRow& a, const DiagnosticRow& b)
{
    switch (field) {
    case DiagnosticField::File: return a.file.compare(b.file, Qt::CaseSensitive) < 0;
    case DiagnosticField::Line: return a.orderedLine < b.orderedLine;
    case DiagnosticField::Column: return a.column < b.column;
    case DiagnosticField::Block: return a.block.compare(b.block, Qt::CaseSensitive) < 0;
    case DiagnosticField::Message: return a.message.compare(b.message, Qt::CaseSensitive) < 0;
    }
    return false;
}
