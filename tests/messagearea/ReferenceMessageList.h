#pragma once

#include <QStandardItemModel>
#include <QString>

struct DiagnosticRow;

// The message area's lists done the plain way: item models that are searched
// row by row and re-sorted whole after every append. The tests drive them
// side by side with the real ones and expect the same rows in the same order.
class ReferenceMessageList {
public:
    ReferenceMessageList();

    void add(const DiagnosticRow& row, int sortColumn, Qt::SortOrder order);
    void removeLines(const void* source, int first, int last);
    // Sets the Line of the source's rows from `from` on, leaving them where they are.
    void moveLines(const void* source, int from, int delta);
    void removeSource(const void* source);
    void renameSource(const void* source, const QString& file, int debugSortColumn, Qt::SortOrder debugOrder,
                      int messageSortColumn, Qt::SortOrder messageOrder);

    QStandardItemModel debug;
    QStandardItemModel messages;
};
