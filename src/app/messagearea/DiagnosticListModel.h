#pragma once

#include "DiagnosticColumns.h"
#include "DiagnosticRow.h"
#include "RowOrder.h"
#include "SortedRowIndex.h"

#include <QAbstractTableModel>
#include <QHash>
#include <QIcon>

#include <set>

// The rows of one tab of the message area. Rows are kept in the order the
// view's sort indicator asks for, a new row going straight to its sorted
// place, and each document's rows are found by line without looking at the
// others: listing and withdrawing a diagnostic cost the same however many
// are listed.
class DiagnosticListModel : public QAbstractTableModel {
    Q_OBJECT
public:
    DiagnosticListModel(const DiagnosticTabLayout& layout, QObject* parent = nullptr);
    ~DiagnosticListModel() override;

    const DiagnosticTabLayout& layout() const { return tabLayout; }

    void add(const DiagnosticRow& row);
    // Withdraws the source's rows on lines first..last.
    void removeLines(const void* source, int first, int last);
    // The source's rows on line `from` and below move by `delta` lines. They
    // stay where they are in the list until the next row is listed.
    void moveLines(const void* source, int from, int delta);
    void removeSource(const void* source);
    // The source's rows are listed under another file name from now on.
    void renameSource(const void* source, const QString& file);

    // The text "Copy Error" / "Copy Message" puts on the clipboard; with an
    // invalid row, the separators alone.
    QString copyText(int row) const;
    const DiagnosticRow* rowAt(int row) const;

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    void sort(int column, Qt::SortOrder order = Qt::AscendingOrder) override;

private:
    // A source's rows by line. Moving lines shifts all rows from a line on by
    // the same amount, which keeps this order, so the lines change in place.
    struct ByLine {
        using is_transparent = void;
        bool operator()(const DiagnosticRow* a, const DiagnosticRow* b) const { return a->line < b->line; }
        bool operator()(const DiagnosticRow* a, int line) const { return a->line < line; }
        bool operator()(int line, const DiagnosticRow* b) const { return line < b->line; }
    };
    using SourceRows = std::multiset<DiagnosticRow*, ByLine>;

    QVariant displayValue(const DiagnosticRow& row, DiagnosticField field) const;
    QIcon iconFor(int type) const;
    int columnOf(DiagnosticField field) const;
    // Tells the views that a column changed in every row.
    void columnChanged(DiagnosticField field);
    // Puts the rows in the current order, keeping ties where they are.
    void reorderRows();
    void forget(DiagnosticRow* row);

    const DiagnosticTabLayout& tabLayout;
    RowOrder order;
    SortedRowIndex rowIndex;
    QHash<const void*, SourceRows> rowsBySource; // owns the rows
    quint64 nextSequence = 0;
    bool reorderBeforeNextRow = false; // moved lines left rows out of order
    mutable QHash<int, QIcon> iconCache;
};
