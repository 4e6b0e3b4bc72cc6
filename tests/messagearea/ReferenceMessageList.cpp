#include "ReferenceMessageList.h"

#include "app/messagearea/DiagnosticRow.h"

#include <functional>

namespace {

constexpr int sourceRole = Qt::UserRole;

QStandardItem* number(int value)
{
    auto* item = new QStandardItem;
    item->setData(value, Qt::DisplayRole);
    return item;
}

// Visits the rows of the source, last to first, in both models.
void forRowsOf(QStandardItemModel& model, const void* source, const std::function<void(int row)>& visit)
{
    for (int row = model.rowCount() - 1; row >= 0; --row) {
        if (model.item(row, 0)->data(sourceRole).value<quintptr>() == quintptr(source))
            visit(row);
    }
}

int lineOf(const QStandardItemModel& model, int row)
{
    return model.item(row, 1)->data(Qt::DisplayRole).toInt();
}

} // namespace

ReferenceMessageList::ReferenceMessageList()
{
    debug.setHorizontalHeaderLabels({"File", "Line", "Col", "Block", "Error"});
    messages.setHorizontalHeaderLabels({"File", "Line", "Col", "Message"});
}

void ReferenceMessageList::add(const DiagnosticRow& row, int sortColumn, Qt::SortOrder order)
{
    auto* file = new QStandardItem(row.file);
    file->setData(quintptr(row.source), sourceRole);
    QStandardItemModel& model = row.type < 10 ? debug : messages;
    if (&model == &debug)
        model.appendRow(
            {file, number(row.line), number(row.column), new QStandardItem(row.block), new QStandardItem(row.message)});
    else
        model.appendRow({file, number(row.line), number(row.column), new QStandardItem(row.message)});
    model.sort(sortColumn, order);
}

void ReferenceMessageList::removeLines(const void* source, int first, int last)
{
    for (QStandardItemModel* model : {&debug, &messages}) {
        forRowsOf(*model, source, [&](int row) {
            if (lineOf(*model, row) >= first && lineOf(*model, row) <= last)
                model->removeRow(row);
        });
    }
}

void ReferenceMessageList::moveLines(const void* source, int from, int delta)
{
    for (QStandardItemModel* model : {&debug, &messages}) {
        forRowsOf(*model, source, [&](int row) {
            if (lineOf(*model, row) >= from)
                model->item(row, 1)->setData(lineOf(*model, row) + delta, Qt::DisplayRole);
        });
    }
}

void ReferenceMessageList::removeSource(const void* source)
{
    for (QStandardItemModel* model : {&debug, &messages})
        forRowsOf(*model, source, [&](int row) { model->removeRow(row); });
}

void ReferenceMessageList::renameSource(const void* source, const QString& file, int debugSortColumn,
                                        Qt::SortOrder debugOrder, int messageSortColumn, Qt::SortOrder messageOrder)
{
    for (QStandardItemModel* model : {&debug, &messages})
        forRowsOf(*model, source, [&](int row) { model->item(row, 0)->setText(file); });
    if (debugSortColumn == 0)
        debug.sort(0, debugOrder);
    if (messageSortColumn == 0)
        messages.sort(0, messageOrder);
}
