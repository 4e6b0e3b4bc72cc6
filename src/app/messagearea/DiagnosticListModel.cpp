#include "DiagnosticListModel.h"

#include "SeverityIcons.h"

#include <algorithm>
#include <functional>
#include <vector>

DiagnosticListModel::DiagnosticListModel(const DiagnosticTabLayout& layout, QObject* parent)
    : QStandardItemModel(0, layout.columnCount, parent)
    , tabLayout(layout)
{
    QStringList titles;
    for (int column = 0; column < tabLayout.columnCount; ++column)
        titles << QString::fromLatin1(tabLayout.columns[column].title);
    setHorizontalHeaderLabels(titles);
}

int DiagnosticListModel::columnOf(DiagnosticField field) const
{
    for (int column = 0; column < tabLayout.columnCount; ++column) {
        if (tabLayout.columns[column].field == field)
            return column;
    }
    return -1;
}

QIcon DiagnosticListModel::iconFor(int type) const
{
    auto cached = iconCache.find(type);
    if (cached == iconCache.end()) {
        const QString path = severityIconPath(type);
        cached = iconCache.insert(type, path.isEmpty() ? QIcon() : QIcon(path));
    }
    return cached.value();
}

void DiagnosticListModel::add(const DiagnosticRow& row)
{
    // Ids are unique among listed rows; should one come again, the newer row
    // replaces the older rather than leaving a row no id can withdraw.
    remove(row.id);

    QList<QStandardItem*> cells;
    for (int column = 0; column < tabLayout.columnCount; ++column) {
        auto* cell = new QStandardItem;
        switch (tabLayout.columns[column].field) {
        case DiagnosticField::File:
            cell->setData(row.file, Qt::DisplayRole);
            break;
        case DiagnosticField::Line:
            cell->setData(row.line, Qt::DisplayRole);
            break;
        case DiagnosticField::Column:
            cell->setData(row.column, Qt::DisplayRole);
            break;
        case DiagnosticField::Block:
            cell->setData(row.block, Qt::DisplayRole);
            break;
        case DiagnosticField::Id:
            cell->setData(row.id, Qt::DisplayRole);
            idCells.insert(row.id, cell);
            break;
        case DiagnosticField::Message:
            cell->setData(row.message, Qt::DisplayRole);
            if (const QIcon icon = iconFor(row.type); !icon.isNull())
                cell->setIcon(icon);
            break;
        }
        cell->setEditable(false);
        cells.append(cell);
    }
    idsByFile[row.file].insert(row.id);

    if (sortColumn < 0) {
        appendRow(cells);
    } else if (!inOrder) {
        appendRow(cells);
        sort(sortColumn, sortOrder);
    } else {
        insertRow(insertionRow(*cells.at(sortColumn)), cells);
    }
}

// Where a stable re-sort after appending would put a row whose sort cell is
// `key`: after every row it does not sort before.
int DiagnosticListModel::insertionRow(const QStandardItem& key) const
{
    int low = 0;
    int high = rowCount();
    while (low < high) {
        const int middle = low + (high - low) / 2;
        const QStandardItem& listed = *item(middle, sortColumn);
        const bool before = sortOrder == Qt::AscendingOrder ? key < listed : listed < key;
        if (before)
            high = middle;
        else
            low = middle + 1;
    }
    return low;
}

bool DiagnosticListModel::remove(int id)
{
    QStandardItem* cell = idCells.take(id);
    if (!cell)
        return false;
    const int row = cell->row();
    const QString file = item(row, columnOf(DiagnosticField::File))->text();
    const auto fileIds = idsByFile.find(file);
    fileIds->remove(id);
    if (fileIds->isEmpty())
        idsByFile.erase(fileIds);
    removeRow(row);
    return true;
}

QVector<int> DiagnosticListModel::removeFile(const QString& file)
{
    const QSet<int> ids = idsByFile.take(file);
    std::vector<int> rows;
    rows.reserve(size_t(ids.size()));
    QVector<int> removed;
    removed.reserve(ids.size());
    for (int id : ids) {
        rows.push_back(idCells.take(id)->row());
        removed.append(id);
    }
    // From the bottom up, so the rows still to go keep their numbers.
    std::sort(rows.begin(), rows.end(), std::greater<int>());
    for (int row : rows)
        removeRow(row);
    return removed;
}

void DiagnosticListModel::renumber(const QString& file, const QHash<int, int>& lineOfId)
{
    const int lineColumn = columnOf(DiagnosticField::Line);
    const QSet<int> ids = idsByFile.value(file);
    for (int id : ids) {
        const auto line = lineOfId.constFind(id);
        if (line == lineOfId.constEnd())
            continue;
        QStandardItem* cell = item(idCells.value(id)->row(), lineColumn);
        if (cell->data(Qt::DisplayRole).toInt() == line.value())
            continue;
        cell->setData(line.value(), Qt::DisplayRole);
        if (sortColumn == lineColumn)
            inOrder = false;
    }
}

QVariant DiagnosticListModel::value(int row, DiagnosticField field) const
{
    const int column = columnOf(field);
    const QStandardItem* cell = row >= 0 && row < rowCount() && column >= 0 ? item(row, column) : nullptr;
    return cell ? cell->data(Qt::DisplayRole) : QVariant();
}

QString DiagnosticListModel::copyText(int row) const
{
    const auto text = [this, row](DiagnosticField field) { return value(row, field).toString(); };
    QString copied = text(DiagnosticField::File) + QLatin1Char(' ') + text(DiagnosticField::Line) + QLatin1Char(':')
                     + text(DiagnosticField::Column) + QLatin1Char(' ');
    if (tabLayout.copyIncludesBlock)
        copied += text(DiagnosticField::Block) + QLatin1Char(' ');
    return copied + text(DiagnosticField::Message);
}

void DiagnosticListModel::sort(int column, Qt::SortOrder order)
{
    if (column < 0 || column >= tabLayout.columnCount)
        return;
    sortColumn = column;
    sortOrder = order;
    QStandardItemModel::sort(column, order);
    inOrder = true;
}
