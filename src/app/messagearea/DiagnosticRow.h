#pragma once

#include <QString>
#include <QtGlobal>

// One diagnostic listed in the message area. Rows are also the nodes of the
// order index of their list (SortedRowIndex), so listing one costs a single
// allocation.
struct DiagnosticRow {
    // The document that raised it; rows are found, moved and dropped by it.
    const void* source = nullptr;
    QString file;
    int line = 0; // 1-based
    int column = 0;
    QString block;
    int type = 0;
    QString message;

    // The line the list's order was last worked out with. Lines moving above
    // a row change `line` alone, so the row stays where it is until the next
    // row listed re-sorts the list, as it does for every other row.
    int orderedLine = 0;

    // Breaks ties between rows of equal sort key: the row's place in the list
    // as of the last full sort, or later arrival for rows added since. This
    // makes the order total and reproduces a stable re-sort after each append.
    quint64 sequence = 0;

    // Order index bookkeeping (a treap with subtree sizes).
    DiagnosticRow* left = nullptr;
    DiagnosticRow* right = nullptr;
    quint32 priority = 0;
    int subtreeSize = 1;
};
