#include "LineNumberBar.h"

#include "MslTextEditor.h"

LineNumberBar::LineNumberBar(MslTextEditor* editor)
    : QWidget(editor)
    , editor(editor)
{
}

QSize LineNumberBar::sizeHint() const
{
    return QSize(editor->lineNumberAreaWidth(), 0);
}

void LineNumberBar::paintEvent(QPaintEvent* event)
{
    editor->paintLineNumbers(event);
}

void LineNumberBar::mousePressEvent(QMouseEvent* event)
{
    editor->toggleFoldAt(event);
}
