#pragma once

#include <QtGlobal>

#include <vector>

class RowOrder;
struct DiagnosticRow;

// The rows of one diagnostics list in display order, with the row number of
// any row and the row at any number found in logarithmic time: a treap whose
// nodes are the rows themselves and which counts the rows under each node.
// A list of thousands of diagnostics thus takes a new row, loses one, or
// answers the view at the same cost as a list of ten.
//
// The index does not own the rows. A row's sort key must not change while it
// is in the index: take it out, change it, put it back.
class SortedRowIndex {
public:
    explicit SortedRowIndex(const RowOrder& order);

    int size() const { return sizeOf(root); }

    // Puts the row at its place in the order and returns its row number.
    int insert(DiagnosticRow* row);
    // Takes the row out; returns the row number it had.
    int erase(DiagnosticRow* row);
    // Row number of a row in the index.
    int rankOf(const DiagnosticRow* row) const;
    // Row number a row with the probe's key and sequence would get, counting
    // every row but `self` (the row about to be moved there).
    int rankFor(const DiagnosticRow& probe, const DiagnosticRow* self) const;
    DiagnosticRow* at(int rank) const;

    // Every row, in order.
    std::vector<DiagnosticRow*> rows() const;
    // Replaces the content with rows that are already in order (after a sort).
    void rebuild(const std::vector<DiagnosticRow*>& ordered);

private:
    static int sizeOf(const DiagnosticRow* node);
    static void recount(DiagnosticRow* node);
    static DiagnosticRow* merge(DiagnosticRow* low, DiagnosticRow* high);
    void split(DiagnosticRow* node, const DiagnosticRow& key, DiagnosticRow*& before, DiagnosticRow*& rest) const;
    static DiagnosticRow* withoutFirst(DiagnosticRow* node);
    static int recountAll(DiagnosticRow* node);
    quint32 nextPriority();

    const RowOrder& order;
    DiagnosticRow* root = nullptr;
    quint32 randomState = 0x9e3779b9u;
};
