#pragma once

#include "DiagnosticColumns.h"
#include "DiagnosticRow.h"
#include "RowOrder.h"
#include "SortedRowIndex.h"

#include <QAbstractTableModel>
#include <QHash>
#include <QIcon>
#include <QSet>
#include <QVector>

#include <memory>
#include <vector>

// The rows of one tab of the message area. Rows are kept in the order the
// view's sort indicator asks for, a new row going straight to its sorted
// place, and they are found by id and by file without looking at the others:
// listing, withdrawing and renumbering a diagnostic cost the same however
// many are listed.
class DiagnosticListModel : public QAbstractTableModel {
    Q_OBJECT
public:
    DiagnosticListModel(const DiagnosticTabLayout& layout, QObject* parent = nullptr);
    ~DiagnosticListModel() override;

    const DiagnosticTabLayout& layout() const { return tabLayout; }

    void add(const DiagnosticRow& row);
    // False when no row has the id.
    bool remove(int id);
    // Removes every row of the file and returns their ids.
    QVector<int> removeFile(const QString& file);
    bool hasRowsOf(const QString& file) const { return idsByFile.contains(file); }
    // Ids of the rows of the file.
    QSet<int> idsOf(const QString& file) const { return idsByFile.value(file); }
    // Gives the rows of the file whose id has an entry in `lineOfId` that
    // line. The rows stay where they are until the next row is listed.
    void renumber(const QString& file, const QHash<int, int>& lineOfId);

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
    QVariant displayValue(const DiagnosticRow& row, DiagnosticField field) const;
    QIcon iconFor(int type) const;
    int columnOf(DiagnosticField field) const;
    void setLine(DiagnosticRow* row, int line);
    // Puts the rows in the current order, keeping ties where they are.
    void reorderRows();
    void forget(DiagnosticRow* row);
    DiagnosticRow* rowWithId(int id) const;

    const DiagnosticTabLayout& tabLayout;
    RowOrder order;
    SortedRowIndex rowIndex;
    // Ids are small and dense (each new one is the largest plus one), so the
    // rows are found by id in a plain array.
    std::vector<std::unique_ptr<DiagnosticRow>> rowsById;
    QHash<QString, QSet<int>> idsByFile;
    quint64 nextSequence = 0;
    bool reorderBeforeNextRow = false; // a renumbered line left a row out of order
    mutable QHash<int, QIcon> iconCache;
};
