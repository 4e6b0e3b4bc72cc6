#include "MslTextEditor.h"

#include "BlockFolding.h"
#include "CallTip.h"
#include "FoldMarkerIcons.h"
#include "GutterGeometry.h"
#include "HoverTip.h"
#include "LineNumberBar.h"
#include "checker/MslSyntaxHighlighter.h"
#include "checker/core/BlockState.h"

#include <QMenu>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>
#include <QTextBlock>

#include <algorithm>
#include <memory>

using namespace GutterGeometry;

MslTextEditor::MslTextEditor(QWidget* parent)
    : QPlainTextEdit(parent)
{
    QFont editorFont(QStringLiteral("Courier"));
    editorFont.setFixedPitch(true);
    editorFont.setStyleHint(QFont::TypeWriter); // a monospaced fallback where Courier is absent
    editorFont.setPointSize(10);
    setFont(editorFont);

    lineNumberBar = new LineNumberBar(this);
    callTip = new CallTip(this);
    createCompleters();

    connect(this, &QPlainTextEdit::blockCountChanged, this, &MslTextEditor::updatelineNumberWidth);
    connect(this, &QPlainTextEdit::updateRequest, this, &MslTextEditor::updatelineNumber);
    connect(this, &QPlainTextEdit::cursorPositionChanged, this, &MslTextEditor::highlightCurrentLine);
    connect(this, &QPlainTextEdit::cursorPositionChanged, this, &MslTextEditor::forgetParensLeftBehind);
    updatelineNumberWidth(0);
    highlightCurrentLine();

    connect(verticalScrollBar(), &QScrollBar::valueChanged, this, &MslTextEditor::scrollBarValueChanged);

    viewport()->setMouseTracking(true);
    hoverTip = new HoverTip(this, callTip);
    setContextMenuPolicy(Qt::CustomContextMenu);
    connect(this, &QWidget::customContextMenuRequested, this, &MslTextEditor::showContextMenu);
}

void MslTextEditor::setHighlighter(MslSyntaxHighlighter* h)
{
    highlighter = h;
    // Connected after the checker's own connection, so the lines' records
    // already describe the edited text.
    connect(document(), &QTextDocument::contentsChange, this, &MslTextEditor::keepHiddenLinesReachable);
}

const LineRecord& MslTextEditor::recordOf(const QTextBlock& block) const
{
    static const LineRecord nothing;
    return highlighter ? highlighter->recordAt(block) : nothing;
}

bool MslTextEditor::isComponentHeader(const QTextBlock& block) const
{
    return BlockFolding::isComponentHeader(recordOf(block));
}

bool MslTextEditor::isGroupStart(const QTextBlock& block) const
{
    return BlockFolding::isGroupStart(recordOf(block));
}

int MslTextEditor::lineNumberAreaWidth() const
{
    int digits = 1;
    for (int n = std::max({1, blockCount(), arrivingLines}); n >= 10; n /= 10)
        ++digits;
    return 3 + fontMetrics().horizontalAdvance(QLatin1Char('9')) * digits;
}

int MslTextEditor::gutterWidth() const
{
    return lineNumberAreaWidth() + foldColumnWidth;
}

void MslTextEditor::placeGutter()
{
    const QRect contents = contentsRect();
    lineNumberBar->setGeometry(QRect(contents.left(), contents.top(), gutterWidth(), contents.height()));
}

void MslTextEditor::updatelineNumberWidth(int /*newBlockCount*/)
{
    setViewportMargins(gutterWidth(), 0, 0, 0);
    // The number column widens by one digit at 10, 100, ... lines.
    placeGutter();
}

void MslTextEditor::setScriptText(const QString& text)
{
    // The gutter widens for the new lines before they arrive, not after:
    // a change of width lays out every line of the document again.
    arrivingLines = int(text.count(QLatin1Char('\n'))) + 1;
    updatelineNumberWidth(0);
    if (highlighter)
        highlighter->checkArrivingText(text);
    setPlainText(text);
    arrivingLines = 0;
}

void MslTextEditor::resizeEvent(QResizeEvent* event)
{
    QPlainTextEdit::resizeEvent(event);
    placeGutter();
}

void MslTextEditor::updatelineNumber(const QRect& rect, int dy)
{
    if (dy != 0)
        lineNumberBar->scroll(0, dy);
    else
        lineNumberBar->update(0, rect.y(), lineNumberBar->width(), rect.height());
    if (rect.contains(viewport()->rect()))
        updatelineNumberWidth(0);
}

void MslTextEditor::highlightCurrentLine()
{
    QList<QTextEdit::ExtraSelection> selections;
    if (!isReadOnly()) {
        QTextEdit::ExtraSelection caretLine;
        caretLine.format.setBackground(QColor(Qt::green).lighter(170));
        caretLine.format.setProperty(QTextFormat::FullWidthSelection, true);
        caretLine.cursor = textCursor();
        caretLine.cursor.clearSelection();
        selections.append(caretLine);
    }
    setExtraSelections(selections);
    // The caret line's number is bold; the line the caret left must lose it.
    lineNumberBar->update();
}

QRect MslTextEditor::caretRect() const
{
    return cursorRect().translated(viewport()->pos());
}

void MslTextEditor::forEachBlockRow(int untilY, const BlockRowVisitor& visit) const
{
    QTextBlock block = firstVisibleBlock();
    int top = int(blockBoundingGeometry(block).translated(contentOffset()).top());
    int bottom = top + int(blockBoundingRect(block).height());
    while (block.isValid() && top <= untilY) {
        if (!visit(block, top, bottom))
            return;
        block = block.next();
        top = bottom;
        bottom = top + int(blockBoundingRect(block).height());
    }
}

void MslTextEditor::paintLineNumbers(QPaintEvent* event)
{
    QPainter painter(lineNumberBar);
    painter.fillRect(event->rect(), Qt::white);

    const int width = gutterWidth();
    const int lineHeight = fontMetrics().height();
    const int guideX = width - guideOffset;
    const QString maxText = QString::number(blockCount());
    const QTextBlock caretBlock = textCursor().block();
    QFont numberFont = font();
    QFont caretNumberFont = numberFont;
    caretNumberFont.setBold(true);
    painter.setPen(QColor(160, 160, 160, 255));

    forEachBlockRow(event->rect().bottom(), [&](const QTextBlock& block, int top, int bottom) {
        if (!block.isVisible() || bottom < event->rect().top())
            return true;

        // Zero-padded to the width of the last line's number: 007 in a 120-line script.
        const QString text = QString::number(block.blockNumber() + 1).rightJustified(maxText.size(), QLatin1Char('0'));
        painter.setFont(block == caretBlock ? caretNumberFont : numberFont);
        painter.drawText(0, top, width - foldColumnWidth, lineHeight, Qt::AlignRight, text);

        const bool folded = BlockFolding::isFolded(block);
        const bool header = isComponentHeader(block);
        if (header) {
            painter.drawPixmap(width - markerOffset, top,
                               QPixmap(folded ? FoldMarkerIcons::componentFolded : FoldMarkerIcons::componentOpen));
            return true; // a header's marker replaces its guide line
        }
        if (isGroupStart(block))
            painter.drawPixmap(width - markerOffset, top,
                               QPixmap(folded ? FoldMarkerIcons::groupFolded : FoldMarkerIcons::groupOpen));

        const QTextBlock previous = block.previous();
        const int previousLevel = previous.isValid() ? BlockState::withoutGroup(previous.userState()) : 0;
        const int level = BlockState::withoutGroup(block.userState());
        if (level > BlockState::lastRootLevel) {
            painter.drawLine(guideX, top, guideX, bottom);
        } else if (previousLevel > BlockState::lastRootLevel) {
            // The line that closes a body ends the guide with a tick.
            const int middle = top + lineHeight / 2;
            painter.drawLine(guideX, top, guideX, middle);
            painter.drawLine(guideX, middle, guideX + guideTickLength, middle);
        }
        return true;
    });
}

void MslTextEditor::paintEvent(QPaintEvent* event)
{
    // Lines get their colours as they come into view.
    if (highlighter) {
        const int first = firstVisibleBlock().blockNumber();
        int shownLines = 0;
        forEachBlockRow(viewport()->height(), [&shownLines](const QTextBlock&, int, int) {
            ++shownLines;
            return true;
        });
        highlighter->formatLines(first, first + shownLines - 1);
    }
    QPlainTextEdit::paintEvent(event);

    // A thin rule under every folded header shows where lines are hidden.
    QPainter painter(viewport());
    const int right = viewport()->width();
    forEachBlockRow(event->rect().bottom(), [&](const QTextBlock& block, int top, int bottom) {
        if (block.isVisible() && bottom >= event->rect().top() && BlockFolding::isFolded(block)
            && (isComponentHeader(block) || isGroupStart(block)))
            painter.drawLine(2, bottom, right, bottom);
        return true;
    });
}

void MslTextEditor::scrollBarValueChanged(int value)
{
    if (correctingScroll)
        return;
    // A step that lands on a hidden line whose layout still takes room is
    // carried on past it, in the direction of the scroll.
    const bool scrollingUp = lastScrollValue >= value;
    QTextBlock block = firstVisibleBlock();
    while (block.isValid() && !block.isVisible() && block.lineCount() != 0) {
        if (scrollingUp) {
            --value;
            block = block.previous();
        } else {
            ++value;
            block = block.next();
        }
    }
    correctingScroll = true;
    verticalScrollBar()->setValue(value);
    correctingScroll = false;
    viewport()->update();
    update();
    lastScrollValue = verticalScrollBar()->value();
}

void MslTextEditor::mouseMoveEvent(QMouseEvent* event)
{
    hoverTip->mouseMoved(event->position().toPoint());
    // While the call tip is open the mouse neither hovers nor selects: a drag
    // would move the caret away from the call the tip is about.
    if (callTip->isVisible())
        return;
    QPlainTextEdit::mouseMoveEvent(event);
}

void MslTextEditor::processMouseHover()
{
    hoverTip->processMouseHover();
}

void MslTextEditor::mouseReleaseEvent(QMouseEvent* event)
{
    if (callTip->isVisible())
        callTip->hide();
    QPlainTextEdit::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && (event->modifiers() & Qt::ControlModifier) && !textCursor().hasSelection())
        emit definitionRequested();
}

void MslTextEditor::focusOutEvent(QFocusEvent* event)
{
    hoverTip->cancel();
    QPlainTextEdit::focusOutEvent(event);
    // A click on the call tip itself takes the focus from the editor; the tip
    // stays open then so that its arrows can be used.
    if (callTip->isVisible() && !callTip->hasFocus())
        callTip->hide();
}

void MslTextEditor::gotoLine(int n)
{
    // Straight to the line's block: stepping there block by block would lay
    // out every line on the way.
    QTextCursor cursor = textCursor();
    cursor.setPosition(document()->findBlockByNumber(qBound(0, n - 1, blockCount() - 1)).position());
    jumpTo(cursor);
}

namespace {

// NextCharacter steps from the start of the line to the start of the next.
int stepsAcross(const QTextBlock& block)
{
    // One step onto the next line, and one per character; below the
    // combining marks (U+0300) every code unit is a character of its own.
    const QString text = block.text();
    if (std::all_of(text.cbegin(), text.cend(), [](QChar c) { return c.unicode() < 0x300; }))
        return int(text.size()) + 1;
    int steps = 1;
    for (int pos = 0; pos < text.size(); pos = block.layout()->nextCursorPosition(pos))
        ++steps;
    return steps;
}

} // namespace

void MslTextEditor::gotoOffset(int n)
{
    // As n - 1 steps of NextCharacter from the start, which take a character
    // written with several code units (a combining mark, a surrogate pair)
    // in one step. Stepping one at a time lays out every line on the way, so
    // whole lines are stepped over by their count of steps.
    int steps = qMax(n - 1, 0);
    QTextBlock block = document()->firstBlock();
    for (int across = stepsAcross(block); block.next().isValid() && steps >= across; across = stepsAcross(block)) {
        steps -= across;
        block = block.next();
    }
    QTextCursor cursor = textCursor();
    cursor.setPosition(block.position());
    cursor.movePosition(QTextCursor::NextCharacter, QTextCursor::MoveAnchor, steps);
    jumpTo(cursor);
}

void MslTextEditor::gotoColumn(int n)
{
    QTextCursor cursor = textCursor();
    cursor.movePosition(QTextCursor::StartOfBlock);
    if (n > 1)
        cursor.movePosition(QTextCursor::Right, QTextCursor::MoveAnchor, n - 1);
    jumpTo(cursor);
}

void MslTextEditor::showContextMenu(const QPoint& point)
{
    // The request comes in viewport coordinates, as for every scroll area.
    std::unique_ptr<QMenu> menu(createStandardContextMenu());
    // Commands the owning window put on the editor follow the standard ones.
    if (!actions().isEmpty()) {
        menu->addSeparator();
        menu->addActions(actions());
    }
    menu->exec(viewport()->mapToGlobal(point));
}
