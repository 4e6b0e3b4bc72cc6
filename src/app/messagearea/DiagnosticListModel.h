#pragma once

#include "DiagnosticColumns.h"
#include "DiagnosticRow.h"

#include <QHash>
#include <QIcon>
#include <QSet>
#include <QStandardItemModel>
#include <QVector>

// The rows of one tab of the message area, one item per cell. A new row
// goes straight to the place that appending it and re-sorting the list by
// the view's sort indicator would give it; rows are found by id and by file
// without a scan of the list.
class DiagnosticListModel : public QStandardItemModel
{
    Q_OBJECT
public:
    DiagnosticListModel(const DiagnosticTabLayout& layout, QObject* parent = nullptr);

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

    // A cell's value; invalid outside the list.
    QVariant value(int row, DiagnosticField field) const;
    // The text "Copy Error" / "Copy Message" puts on the clipboard; with an
    // invalid row, the separators alone.
    QString copyText(int row) const;

    void sort(int column, Qt::SortOrder order = Qt::AscendingOrder) override;

private:
    int columnOf(DiagnosticField field) const;
    int insertionRow(const QStandardItem& key) const;
    QIcon iconFor(int type) const;

    const DiagnosticTabLayout& tabLayout;
    QHash<int, QStandardItem*> idCells;     // the ID cell of each listed row
    QHash<QString, QSet<int>> idsByFile;
    int sortColumn = -1;                    // none until the view first sorts
    Qt::SortOrder sortOrder = Qt::AscendingOrder;
    bool inOrder = true;                    // false once renumbering broke the sorted order
    mutable QHash<int, QIcon> iconCache;
};
