#include "ReferenceMessageList.h"

namespace {

constexpr int debugIdColumn = 4;
constexpr int messageIdColumn = 3;

QStandardItem* number(int value)
{
    auto* item = new QStandardItem;
    item->setData(value, Qt::DisplayRole);
    return item;
}

void raiseToLargest(const QStandardItemModel& model, int idColumn, int& largest)
{
    for (int row = 0; row < model.rowCount(); ++row) {
        const int id = model.item(row, idColumn)->data(Qt::DisplayRole).toInt();
        if (id >= largest)
            largest = id;
    }
}

void removeId(QStandardItemModel& model, int idColumn, int id)
{
    for (int row = 0; row < model.rowCount(); ++row) {
        if (model.item(row, idColumn)->data(Qt::DisplayRole).toInt() == id) {
            model.removeRow(row);
            return;
        }
    }
}

} // namespace

ReferenceMessageList::ReferenceMessageList()
{
    debug.setHorizontalHeaderLabels({"File", "Line", "Col", "Block", "ID", "Error"});
    messages.setHorizontalHeaderLabels({"File", "Line", "Col", "ID", "Message"});
}

int ReferenceMessageList::add(int line, int column, const QString& file, const QString& block, int type,
                              const QString& message, int debugSortColumn, Qt::SortOrder debugOrder,
                              int messageSortColumn, Qt::SortOrder messageOrder)
{
    int id = 1;
    raiseToLargest(debug, debugIdColumn, id);
    raiseToLargest(messages, messageIdColumn, id);
    ++id;
    if (type < 10) {
        debug.appendRow({new QStandardItem(file), number(line), number(column), new QStandardItem(block), number(id),
                         new QStandardItem(message)});
        debug.sort(debugSortColumn, debugOrder);
    } else {
        messages.appendRow(
            {new QStandardItem(file), number(line), number(column), number(id), new QStandardItem(message)});
        messages.sort(messageSortColumn, messageOrder);
    }
    return id;
}

void ReferenceMessageList::remove(int id)
{
    removeId(debug, debugIdColumn, id);
    removeId(messages, messageIdColumn, id);
}

void ReferenceMessageList::close(const QString& file)
{
    for (QStandardItemModel* model : {&debug, &messages}) {
        for (int row = model->rowCount() - 1; row >= 0; --row) {
            if (model->item(row, 0)->text() == file)
                model->removeRow(row);
        }
    }
}

void ReferenceMessageList::renumber(const QString& file, const QHash<int, int>& lineOfId)
{
    for (auto [model, idColumn] : {std::pair{&debug, debugIdColumn}, std::pair{&messages, messageIdColumn}}) {
        for (int row = 0; row < model->rowCount(); ++row) {
            const int id = model->item(row, idColumn)->data(Qt::DisplayRole).toInt();
            if (model->item(row, 0)->text() == file && lineOfId.contains(id))
                model->item(row, 1)->setData(lineOfId.value(id), Qt::DisplayRole);
        }
    }
}
