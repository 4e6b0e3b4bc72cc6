#include "SortedRowIndex.h"

#include "DiagnosticRow.h"
#include "RowOrder.h"

SortedRowIndex::SortedRowIndex(const RowOrder& rowOrder)
    : order(rowOrder)
{
}

int SortedRowIndex::sizeOf(const DiagnosticRow* node)
{
    return node ? node->subtreeSize : 0;
}

void SortedRowIndex::recount(DiagnosticRow* node)
{
    node->subtreeSize = 1 + sizeOf(node->left) + sizeOf(node->right);
}

quint32 SortedRowIndex::nextPriority()
{
    // xorshift32: the treap only needs priorities that look random, not
    // good randomness.
    randomState ^= randomState << 13;
    randomState ^= randomState >> 17;
    randomState ^= randomState << 5;
    return randomState;
}

void SortedRowIndex::split(DiagnosticRow* node, const DiagnosticRow& key, DiagnosticRow*& before,
                           DiagnosticRow*& rest) const
{
    if (!node) {
        before = rest = nullptr;
        return;
    }
    if (order.before(*node, key)) {
        split(node->right, key, node->right, rest);
        before = node;
    } else {
        split(node->left, key, before, node->left);
        rest = node;
    }
    recount(node);
}

DiagnosticRow* SortedRowIndex::merge(DiagnosticRow* low, DiagnosticRow* high)
{
    if (!low)
        return high;
    if (!high)
        return low;
    if (low->priority > high->priority) {
        low->right = merge(low->right, high);
        recount(low);
        return low;
    }
    high->left = merge(low, high->left);
    recount(high);
    return high;
}

DiagnosticRow* SortedRowIndex::withoutFirst(DiagnosticRow* node)
{
    if (!node->left)
        return node->right;
    node->left = withoutFirst(node->left);
    recount(node);
    return node;
}

int SortedRowIndex::insert(DiagnosticRow* row)
{
    row->left = row->right = nullptr;
    row->subtreeSize = 1;
    row->priority = nextPriority();
    DiagnosticRow* before = nullptr;
    DiagnosticRow* rest = nullptr;
    split(root, *row, before, rest);
    const int rank = sizeOf(before);
    root = merge(merge(before, row), rest);
    return rank;
}

int SortedRowIndex::erase(DiagnosticRow* row)
{
    DiagnosticRow* before = nullptr;
    DiagnosticRow* rest = nullptr;
    split(root, *row, before, rest);
    // The order is total, so the row is the first of the rest.
    Q_ASSERT(rest);
    const int rank = sizeOf(before);
    root = merge(before, withoutFirst(rest));
    row->left = row->right = nullptr;
    row->subtreeSize = 1;
    return rank;
}

int SortedRowIndex::rankOf(const DiagnosticRow* row) const
{
    int rank = 0;
    const DiagnosticRow* node = root;
    while (node) {
        if (node == row)
            return rank + sizeOf(node->left);
        if (order.before(*row, *node)) {
            node = node->left;
        } else {
            rank += sizeOf(node->left) + 1;
            node = node->right;
        }
    }
    return -1;
}

int SortedRowIndex::rankFor(const DiagnosticRow& probe, const DiagnosticRow* self) const
{
    int rank = 0;
    const DiagnosticRow* node = root;
    while (node) {
        if (order.before(*node, probe)) {
            rank += sizeOf(node->left) + 1;
            node = node->right;
        } else {
            node = node->left;
        }
    }
    if (self && order.before(*self, probe))
        --rank;
    return rank;
}

DiagnosticRow* SortedRowIndex::at(int rank) const
{
    DiagnosticRow* node = root;
    while (node) {
        const int leftSize = sizeOf(node->left);
        if (rank < leftSize) {
            node = node->left;
        } else if (rank == leftSize) {
            return node;
        } else {
            rank -= leftSize + 1;
            node = node->right;
        }
    }
    return nullptr;
}

std::vector<DiagnosticRow*> SortedRowIndex::rows() const
{
    std::vector<DiagnosticRow*> ordered;
    ordered.reserve(size_t(size()));
    std::vector<DiagnosticRow*> pending;
    DiagnosticRow* node = root;
    while (node || !pending.empty()) {
        while (node) {
            pending.push_back(node);
            node = node->left;
        }
        node = pending.back();
        pending.pop_back();
        ordered.push_back(node);
        node = node->right;
    }
    return ordered;
}

int SortedRowIndex::recountAll(DiagnosticRow* node)
{
    if (!node)
        return 0;
    node->subtreeSize = 1 + recountAll(node->left) + recountAll(node->right);
    return node->subtreeSize;
}

void SortedRowIndex::rebuild(const std::vector<DiagnosticRow*>& ordered)
{
    // A Cartesian tree over the ordered rows with fresh random priorities:
    // linear time, and as balanced as if every row had been inserted anew.
    std::vector<DiagnosticRow*> rightSpine;
    for (DiagnosticRow* row : ordered) {
        row->left = row->right = nullptr;
        row->priority = nextPriority();
        DiagnosticRow* lastPopped = nullptr;
        while (!rightSpine.empty() && rightSpine.back()->priority < row->priority) {
            lastPopped = rightSpine.back();
            rightSpine.pop_back();
        }
        row->left = lastPopped;
        if (!rightSpine.empty())
            rightSpine.back()->right = row;
        rightSpine.push_back(row);
    }
    root = rightSpine.empty() ? nullptr : rightSpine.front();
    recountAll(root);
}
