#include "SearchMarks.h"

#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTextBlock>

#include <algorithm>

namespace {
const QColor markColour(Qt::yellow);
}

SearchMarks::SearchMarks(QPlainTextEdit* editor)
    : QObject(editor)
    , editor(editor)
{
    connect(editor->verticalScrollBar(), &QScrollBar::valueChanged, this, &SearchMarks::showInView);
    connect(editor, &QPlainTextEdit::cursorPositionChanged, this, &SearchMarks::drop);
}

void SearchMarks::show(const QVector<SearchMatch>& matches)
{
    marks = matches;
    if (marks.isEmpty())
        editor->setExtraSelections({});
    else
        showInView();
}

void SearchMarks::drop()
{
    marks.clear();
}

void SearchMarks::showInView()
{
    if (marks.isEmpty())
        return;
    // One screen of lines above and below the view: a short scroll shows
    // marks already in place.
    const QTextDocument* document = editor->document();
    const int lineHeight = qMax(1, editor->fontMetrics().height());
    const int screenLines = editor->viewport()->height() / lineHeight + 1;
    const int firstLine = editor->cursorForPosition(QPoint(0, 0)).blockNumber();
    const QTextBlock from = document->findBlockByNumber(qMax(0, firstLine - screenLines));
    QTextBlock to = document->findBlockByNumber(firstLine + 2 * screenLines);
    if (!to.isValid())
        to = document->lastBlock();
    const int start = from.position();
    const int end = to.position() + to.length();

    auto first = std::lower_bound(marks.cbegin(), marks.cend(), start,
                                  [](const SearchMatch& m, int position) { return m.end() <= position; });
    QList<QTextEdit::ExtraSelection> selections;
    for (auto m = first; m != marks.cend() && m->start < end; ++m) {
        QTextEdit::ExtraSelection mark;
        mark.cursor = QTextCursor(editor->document());
        mark.cursor.setPosition(m->start);
        mark.cursor.setPosition(m->end(), QTextCursor::KeepAnchor);
        mark.format.setBackground(QBrush(markColour, Qt::SolidPattern));
        selections.append(mark);
    }
    editor->setExtraSelections(selections);
}
