#include "HoverTip.h"

#include "IdentifierTips.h"
#include "MslTextEditor.h"
#include "checker/MslSyntaxHighlighter.h"
#include "reference/CommandTipTexts.h"
#include "reference/InnermostIdentifier.h"

#include <QTextBlock>
#include <QTimer>
#include <QToolTip>

namespace {

const QColor hoverBackground(204, 255, 255);

} // namespace

HoverTip::HoverTip(MslTextEditor* editor, const QWidget* callTip)
    : QObject(editor)
    , editor(editor)
    , callTip(callTip)
{
}

void HoverTip::mouseMoved(const QPoint& viewportPos)
{
    lastMousePos = viewportPos;
    if (callTip->isVisible())
        return;
    QToolTip::hideText();
    if (!hoverTimer) {
        // An editor the mouse never crosses needs no timer.
        hoverTimer = new QTimer(editor);
        hoverTimer->setObjectName(QStringLiteral("hoverTimer"));
        hoverTimer->setInterval(restingDelayMs);
        connect(hoverTimer, &QTimer::timeout, this, &HoverTip::processMouseHover);
    }
    hoverTimer->start();
}

void HoverTip::cancel()
{
    if (hoverTimer)
        hoverTimer->stop();
}

CommandOccurrence HoverTip::commandUnder(const QTextBlock& block, int column) const
{
    const MslSyntaxHighlighter* highlighter = editor->syntaxHighlighter();
    const DocumentKind kind = highlighter ? highlighter->documentKind() : DocumentKind::Remote;
    const CommandOccurrence after = commandAt(block.text(), block.previous().userState(), kind, column);
    // The caret position nearest the mouse may lie just after the character
    // it rests on.
    if (after.entry || column == 0)
        return after;
    return commandAt(block.text(), block.previous().userState(), kind, column - 1);
}

void HoverTip::processMouseHover()
{
    cancel();

    const QTextCursor cursor = editor->cursorForPosition(lastMousePos);
    const QTextBlock block = cursor.block();
    const IdentifierRecord* record = innermostIdentifier(editor->recordOf(block).identifiers, cursor.positionInBlock());
    // A built-in is documented with or without parentheses ("$nick" in an
    // event is mIRC's own); any other "$name" is not.
    int start = 0;
    int length = 0;
    QString html = record ? identifierHoverTipHtml(record->name) : QString();
    if (!html.isEmpty()) {
        start = record->start;
        length = record->name.length();
    } else if (const CommandOccurrence command = commandUnder(block, cursor.positionInBlock()); command.entry) {
        html = commandHoverHtml(*command.entry);
        start = command.start;
        length = command.length;
    }
    if (html.isEmpty())
        return;

    QTextEdit::ExtraSelection mark;
    mark.cursor = QTextCursor(block);
    mark.cursor.setPosition(block.position() + start);
    mark.cursor.setPosition(block.position() + start + length, QTextCursor::KeepAnchor);
    mark.format.setUnderlineStyle(QTextCharFormat::DashUnderline);
    mark.format.setBackground(hoverBackground);
    editor->setExtraSelections({mark});

    // The tip goes where the mouse rested; it is the same place as the
    // pointer, since any later move would have restarted the delay.
    QToolTip::showText(editor->viewport()->mapToGlobal(lastMousePos), html, editor->viewport());
}
