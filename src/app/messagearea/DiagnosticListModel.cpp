#include "DiagnosticListModel.h"

#include "SeverityIcons.h"

#include <algorithm>

DiagnosticListModel::DiagnosticListModel(const DiagnosticTabLayout& layout, QObject* parent)
    : QAbstractTableModel(parent)
    , tabLayout(layout)
    , rowIndex(order)
{
}

DiagnosticListModel::~DiagnosticListModel()
{
    for (const SourceRows& rows : std::as_const(rowsBySource))
        qDeleteAll(rows);
}

void DiagnosticListModel::add(const DiagnosticRow& row)
{
    if (reorderBeforeNextRow)
        reorderRows();
    auto* listed = new DiagnosticRow(row);
    listed->orderedLine = listed->line;
    listed->sequence = nextSequence++;
    const int rank = rowIndex.rankFor(*listed, nullptr);
    beginInsertRows(QModelIndex(), rank, rank);
    rowIndex.insert(listed);
    rowsBySource[listed->source].insert(listed);
    endInsertRows();
}

void DiagnosticListModel::forget(DiagnosticRow* row)
{
    const int rank = rowIndex.rankOf(row);
    beginRemoveRows(QModelIndex(), rank, rank);
    rowIndex.erase(row);
    endRemoveRows();
    delete row;
}

void DiagnosticListModel::removeLines(const void* source, int first, int last)
{
    const auto rows = rowsBySource.find(source);
    if (rows == rowsBySource.end())
        return;
    auto it = rows->lower_bound(first);
    while (it != rows->end() && (*it)->line <= last) {
        DiagnosticRow* row = *it;
        it = rows->erase(it);
        forget(row);
    }
    if (rows->empty())
        rowsBySource.erase(rows);
}

void DiagnosticListModel::moveLines(const void* source, int from, int delta)
{
    const auto rows = rowsBySource.find(source);
    if (rows == rowsBySource.end() || delta == 0)
        return;
    bool moved = false;
    for (auto it = rows->lower_bound(from); it != rows->end(); ++it) {
        (*it)->line += delta;
        moved = true;
    }
    if (!moved)
        return;
    if (order.isSorted() && order.field() == DiagnosticField::Line)
        reorderBeforeNextRow = true;
    columnChanged(DiagnosticField::Line);
}

void DiagnosticListModel::removeSource(const void* source)
{
    const auto rows = rowsBySource.find(source);
    if (rows == rowsBySource.end())
        return;
    const SourceRows dropped = std::move(*rows);
    rowsBySource.erase(rows);
    for (DiagnosticRow* row : dropped)
        forget(row);
}

void DiagnosticListModel::renameSource(const void* source, const QString& file)
{
    const auto rows = rowsBySource.find(source);
    if (rows == rowsBySource.end())
        return;
    for (DiagnosticRow* row : *rows)
        row->file = file;
    // The order index compares file names as they are: sorted by them, the
    // list is put in order again before anything else looks for a row.
    if (order.isSorted() && order.field() == DiagnosticField::File)
        reorderRows();
    columnChanged(DiagnosticField::File);
}

void DiagnosticListModel::columnChanged(DiagnosticField field)
{
    const int column = columnOf(field);
    if (column >= 0 && rowIndex.size() > 0)
        emit dataChanged(index(0, column), index(rowIndex.size() - 1, column), {Qt::DisplayRole});
}

int DiagnosticListModel::columnOf(DiagnosticField field) const
{
    for (int column = 0; column < tabLayout.columnCount; ++column) {
        if (tabLayout.columns[column].field == field)
            return column;
    }
    return -1;
}

QString DiagnosticListModel::copyText(int row) const
{
    const DiagnosticRow* listed = rowAt(row);
    const DiagnosticRow empty;
    const DiagnosticRow& r = listed ? *listed : empty;
    const QString line = listed ? QString::number(r.line) : QString();
    const QString column = listed ? QString::number(r.column) : QString();
    QString text = r.file + QLatin1Char(' ') + line + QLatin1Char(':') + column + QLatin1Char(' ');
    if (tabLayout.copyIncludesBlock)
        text += r.block + QLatin1Char(' ');
    return text + r.message;
}

const DiagnosticRow* DiagnosticListModel::rowAt(int row) const
{
    if (row < 0 || row >= rowIndex.size())
        return nullptr;
    return rowIndex.at(row);
}

int DiagnosticListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : rowIndex.size();
}

int DiagnosticListModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : tabLayout.columnCount;
}

QVariant DiagnosticListModel::displayValue(const DiagnosticRow& row, DiagnosticField field) const
{
    switch (field) {
    case DiagnosticField::File: return row.file;
    case DiagnosticField::Line: return row.line;
    case DiagnosticField::Column: return row.column;
    case DiagnosticField::Block: return row.block;
    case DiagnosticField::Message: return row.message;
    }
    return QVariant();
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

QVariant DiagnosticListModel::data(const QModelIndex& cell, int role) const
{
    const DiagnosticRow* row = cell.isValid() ? rowAt(cell.row()) : nullptr;
    if (!row || cell.column() >= tabLayout.columnCount)
        return QVariant();
    const DiagnosticField field = tabLayout.columns[cell.column()].field;
    if (role == Qt::DisplayRole || role == Qt::EditRole)
        return displayValue(*row, field);
    if (role == Qt::DecorationRole && field == DiagnosticField::Message) {
        const QIcon icon = iconFor(row->type);
        return icon.isNull() ? QVariant() : QVariant(icon);
    }
    return QVariant();
}

QVariant DiagnosticListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 && section < tabLayout.columnCount)
        return QString::fromLatin1(tabLayout.columns[section].title);
    return QAbstractTableModel::headerData(section, orientation, role);
}

Qt::ItemFlags DiagnosticListModel::flags(const QModelIndex& cell) const
{
    return cell.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::NoItemFlags;
}

void DiagnosticListModel::sort(int column, Qt::SortOrder sortOrder)
{
    if (column < 0 || column >= tabLayout.columnCount)
        return;
    order.sortBy(tabLayout.columns[column].field, sortOrder);
    reorderRows();
}

void DiagnosticListModel::reorderRows()
{
    emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    const QModelIndexList persistent = persistentIndexList();
    QVector<const DiagnosticRow*> persistentRows;
    persistentRows.reserve(persistent.size());
    for (const QModelIndex& cell : persistent)
        persistentRows.append(rowAt(cell.row()));

    // A stable sort of the list as shown, so rows of equal key keep the
    // order they had; their new places then become their tie-breakers.
    std::vector<DiagnosticRow*> rows = rowIndex.rows();
    for (DiagnosticRow* row : rows)
        row->orderedLine = row->line;
    std::stable_sort(rows.begin(), rows.end(),
                     [this](const DiagnosticRow* a, const DiagnosticRow* b) { return order.keyBefore(*a, *b); });
    for (size_t place = 0; place < rows.size(); ++place)
        rows[place]->sequence = place;
    nextSequence = rows.size();
    rowIndex.rebuild(rows);
    reorderBeforeNextRow = false;

    QModelIndexList moved;
    moved.reserve(persistent.size());
    for (int i = 0; i < persistent.size(); ++i) {
        const DiagnosticRow* row = persistentRows.at(i);
        moved.append(row ? createIndex(rowIndex.rankOf(row), persistent.at(i).column()) : QModelIndex());
    }
    changePersistentIndexList(persistent, moved);
    emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}
