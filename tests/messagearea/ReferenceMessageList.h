#pragma once

#include <QHash>
#include <QStandardItemModel>
#include <QString>

// The message area done the plain way: item models whose ids come from a
// scan of every row and which are re-sorted whole after every append. The
// tests drive it side by side with the real one and expect the same rows, in
// the same order, with the same ids.
class ReferenceMessageList {
public:
    ReferenceMessageList();

    int add(int line, int column, const QString& file, const QString& block, int type, const QString& message,
            int debugSortColumn, Qt::SortOrder debugOrder, int messageSortColumn, Qt::SortOrder messageOrder);
    void remove(int id);
    // Removes every row of the file.
    void close(const QString& file);
    // Sets the Line of the file's rows named in `lineOfId`, leaving them where they are.
    void renumber(const QString& file, const QHash<int, int>& lineOfId);

    QStandardItemModel debug;
    QStandardItemModel messages;
};
