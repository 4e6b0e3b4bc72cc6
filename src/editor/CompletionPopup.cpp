#include "CompletionPopup.h"

#include <QFontMetrics>

CompletionPopup::CompletionPopup(QWidget* parent)
    : QListView(parent)
{
    setUniformItemSizes(true);
}

int CompletionPopup::sizeHintForColumn(int column) const
{
    const QAbstractItemModel* m = model();
    const int rows = m ? m->rowCount(rootIndex()) : 0;
    if (rows == 0)
        return -1;
    const QVariant fontData = m->index(0, column, rootIndex()).data(Qt::FontRole);
    const QFont rowFont = fontData.isValid() ? fontData.value<QFont>() : font();
    const QFontMetrics metrics(rowFont);
    QHash<QString, int>& widths = widthsByFont[rowFont.key()];

    QModelIndex widest;
    int widestText = -1;
    for (int row = 0; row < rows; ++row) {
        const QModelIndex index = m->index(row, column, rootIndex());
        const QString text = index.data(Qt::DisplayRole).toString();
        auto it = widths.constFind(text);
        if (it == widths.constEnd())
            it = widths.insert(text, metrics.horizontalAdvance(text));
        if (*it > widestText) {
            widestText = *it;
            widest = index;
        }
    }
    QStyleOptionViewItem option;
    initViewItemOption(&option);
    // The popup is opened exactly this wide (plus its scroll bar): its frame
    // must fit too, or the widest row would be cut short.
    return itemDelegateForIndex(widest)->sizeHint(option, widest).width() + 2 * frameWidth();
}
