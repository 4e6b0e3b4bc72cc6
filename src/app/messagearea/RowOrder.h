#pragma once

#include "DiagnosticColumns.h"

#include <Qt>

struct DiagnosticRow;

// The order a diagnostics list is shown in: by one field, ascending or
// descending, ties kept in the order the rows were in before (stable), which
// the rows' sequence numbers record. Until the list is first sorted the rows
// stay in arrival order.
class RowOrder {
public:
    void sortBy(DiagnosticField field, Qt::SortOrder order);
    bool isSorted() const { return sorted; }
    DiagnosticField field() const { return sortField; }

    // The sort key alone; equal keys compare false both ways.
    bool keyBefore(const DiagnosticRow& a, const DiagnosticRow& b) const;
    // The full order: key, then sequence. Never true both ways, never false
    // both ways for two distinct rows.
    bool before(const DiagnosticRow& a, const DiagnosticRow& b) const;

private:
    bool sorted = false;
    DiagnosticField sortField = DiagnosticField::File;
    Qt::SortOrder sortOrder = Qt::AscendingOrder;
};

// Whether a's value in `field` sorts before b's: numbers by value, texts by
// case-sensitive code-unit order.
bool fieldLess(DiagnosticField field, const DiagnosticRow& a, const DiagnosticRow& b);
