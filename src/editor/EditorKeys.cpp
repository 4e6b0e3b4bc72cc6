#include "MslTextEditor.h"

#include "CallTip.h"
#include "CompletionModels.h"
#include "IdentifierTips.h"
#include "checker/MslSyntaxHighlighter.h"
#include "checker/core/MslChecker.h"
#include "checker/records/LineRecords.h"
#include "completion/CompletionContext.h"
#include "completion/ControlCodes.h"
#include "reference/CommandTipTexts.h"
#include "reference/InnermostIdentifier.h"

#include <QAbstractItemView>
#include <QCompleter>
#include <QKeyEvent>
#include <QRegularExpression>
#include <QStandardItemModel>
#include <QTextBlock>

namespace {

constexpr int indentWidth = 2;

const QString indentUnit = QString(indentWidth, QLatin1Char(' '));

int indentOf(const QString& line)
{
    int n = 0;
    while (n < line.size() && line.at(n).isSpace())
        ++n;
    return n;
}

// A modifier pressed on its own is on its way to some other key (the Shift
// for a ")"), not a key of its own.
bool isModifierKeyAlone(const QKeyEvent* e)
{
    switch (e->key()) {
    case Qt::Key_Shift:
    case Qt::Key_Control:
    case Qt::Key_Alt:
    case Qt::Key_AltGr:
    case Qt::Key_Meta: return true;
    default: return false;
    }
}

// The name a call tip is looked up under: "$$name" is "$name" that halts
// the script when it returns nothing.
QString callName(const IdentifierRecord& record)
{
    return record.name.startsWith(QLatin1String("$$")) ? record.name.mid(1) : record.name;
}

bool isKnownIdentifier(const QString& name, int paramIndex)
{
    QString checked = name;
    return MslChecker::validateIdentifier(checked, unsigned(paramIndex), QString()) != MslChecker::UnknownIdentifier;
}

int commasBelow(const IdentifierRecord& record, int pos)
{
    int n = 0;
    for (int comma : record.commaPositions)
        if (comma < pos)
            ++n;
    return n;
}

bool isLeftOrRight(const QKeyEvent* e)
{
    return e->key() == Qt::Key_Left || e->key() == Qt::Key_Right;
}

} // namespace

// The keys are tried in a fixed order; the first rule that applies ends the
// handler. Where the event is ignored, the text has been edited here and the
// plain editor must not insert the key again (an open completer takes an
// ignored Return or Escape as its own).
void MslTextEditor::keyPressEvent(QKeyEvent* e)
{
    // A read-only document is only looked at: none of the editing rules
    // apply, and the plain editor still moves the caret and copies.
    if (isReadOnly()) {
        QPlainTextEdit::keyPressEvent(e);
        return;
    }
    const int key = e->key();
    const Qt::KeyboardModifiers modifiers = e->modifiers();
    const bool shift = modifiers == Qt::ShiftModifier;

    if (key == Qt::Key_Return) {
        if (!anyCompletionPopupVisible()) {
            expandReturn();
            callTip->hide(); // the statement it was about has ended
        }
        e->ignore();
        return;
    }
    if (e->text() == QLatin1String(")") && stepOverAutoClosedParen()) {
        if (QCompleter* open = firstVisibleCompletion())
            open->popup()->hide(); // the name inside the call has ended
        if (callTip->isVisible())
            followCallTip();
        return;
    }
    if (!isModifierKeyAlone(e))
        braceTyped = false;
    if ((key == Qt::Key_Tab || key == Qt::Key_Backtab) && anyCompletionPopupVisible()) {
        e->ignore(); // the completer chooses the current item on Tab and closes on Shift+Tab
        return;
    }
    if (key == Qt::Key_BraceLeft && shift) {
        braceTyped = true;
        insertPlainText(QStringLiteral("{"));
        e->ignore();
        return;
    }
    if (key == Qt::Key_Backspace && !anyCompletionPopupVisible()) {
        if (deleteEmptyParenPair()) {
            callTip->hide(); // the call it was about is gone
            return;
        }
        QPlainTextEdit::keyPressEvent(e);
        if (callTip->isVisible())
            followCallTip();
        return;
    }
    if (key == Qt::Key_Space && modifiers == Qt::ControlModifier) {
        openCommandCompletion();
        return;
    }
    if (insertControlCodeKey(e))
        return;
    if (key == Qt::Key_Dollar) {
        QPlainTextEdit::keyPressEvent(e);
        openIdentifierCompletion();
        return;
    }
    if (key == Qt::Key_Period) {
        openPropertyCompletion();
        QPlainTextEdit::keyPressEvent(e);
        // A name with a dot in it narrows the identifier list; no such name
        // closes it.
        if (identifierCompleter->popup()->isVisible())
            followCompletionPopup(identifierCompleter, e);
        return;
    }
    if ((key == Qt::Key_Down || key == Qt::Key_Up) && callTip->isVisible()) {
        // With nothing to page through, the arrow moves the caret away.
        if (callTip->overloadList().size() < 2) {
            callTip->hide();
            QPlainTextEdit::keyPressEvent(e);
            return;
        }
        if (key == Qt::Key_Down)
            callTip->nextOverload();
        else
            callTip->previousOverload();
        return;
    }
    if (key == Qt::Key_ParenLeft || key == Qt::Key_Comma) {
        if (key == Qt::Key_ParenLeft)
            identifierCompleter->popup()->hide(); // the name before it is complete
        if (openCallTipAt(e))
            return;
        QPlainTextEdit::keyPressEvent(e);
        // A comma is part of a colour pair: an open popup follows it too.
        if (QCompleter* open = firstVisibleCompletion(); open && open != comCompleter)
            followCompletionPopup(open, e);
        return;
    }
    if ((key == Qt::Key_Left || key == Qt::Key_Right || key == Qt::Key_Backspace) && callTip->isVisible()) {
        QPlainTextEdit::keyPressEvent(e);
        followCallTip();
        return;
    }
    if (key == Qt::Key_F1)
        return; // no help to show: the key must not reach anything else
    if (key == Qt::Key_Tab || key == Qt::Key_Backtab) {
        insertIndentKey(e);
        return;
    }
    if (QCompleter* open = firstVisibleCompletion(); open && open != comCompleter) {
        // Return and Tab never come this far.
        if (key == Qt::Key_Escape || key == Qt::Key_Enter) {
            e->ignore();
            return;
        }
        QPlainTextEdit::keyPressEvent(e);
        followCompletionPopup(open, e);
        return;
    }
    if (comCompleter->popup()->isVisible() && (key == Qt::Key_Escape || key == Qt::Key_Enter)) {
        e->ignore();
        return;
    }
    QPlainTextEdit::keyPressEvent(e);
    followComCompletion(e);
    if (key == Qt::Key_Space && modifiers == Qt::NoModifier)
        openCommandCallTip();
}

void MslTextEditor::expandReturn()
{
    const int n = indentOf(textCursor().block().text());
    if (!braceTyped) {
        insertPlainText(QLatin1Char('\n') + QString(n, QLatin1Char(' ')));
        return;
    }
    // "{" Return opens an indented body line with the block's "}" under it.
    insertPlainText(QLatin1Char('\n') + QString(n + indentWidth, QLatin1Char(' ')) + QLatin1Char('\n')
                    + QString(n, QLatin1Char(' ')) + QLatin1Char('}'));
    QTextCursor cursor = textCursor();
    cursor.setPosition(cursor.position() - 2 - n);
    setTextCursor(cursor);
    braceTyped = false;
}

bool MslTextEditor::deleteEmptyParenPair()
{
    QTextCursor cursor = textCursor();
    if (cursor.hasSelection() || cursor.atBlockStart())
        return false;
    const QString line = cursor.block().text();
    const int pos = cursor.positionInBlock();
    if (line.at(pos - 1) != QLatin1Char('(') || pos >= line.size() || line.at(pos) != QLatin1Char(')'))
        return false;
    cursor.deleteChar();
    cursor.deletePreviousChar();
    setTextCursor(cursor);
    return true;
}

bool MslTextEditor::insertControlCodeKey(const QKeyEvent* e)
{
    const Qt::KeyboardModifiers modifiers = e->modifiers();
    if (modifiers == (Qt::ControlModifier | Qt::ShiftModifier) && e->key() == Qt::Key_O) {
        insertPlainCode();
        return true;
    }
    if (modifiers != Qt::ControlModifier)
        return false;
    switch (e->key()) {
    case Qt::Key_B: insertBold(); return true;
    case Qt::Key_I: insertItalics(); return true;
    case Qt::Key_U: insertUnderline(); return true;
    case Qt::Key_R: insertReverse(); return true;
    case Qt::Key_K: insertColors(); return true;
    default: return false;
    }
}

void MslTextEditor::openIdentifierCompletion()
{
    // Only a "$" that stands alone (the checker's break marker right before
    // the caret) starts an identifier.
    const QTextCursor cursor = textCursor();
    const int caret = cursor.positionInBlock();
    for (const IdentifierRecord& record : recordOf(cursor.block()).identifiers) {
        if (record.isBreak && record.start + 1 == caret) {
            showIdentifierCompletion();
            return;
        }
    }
}

void MslTextEditor::openCommandCompletion()
{
    const QTextCursor cursor = textCursor();
    const int caret = cursor.positionInBlock();
    const QString line = cursor.block().text();
    const int start = CompletionContext::commandNameStart(line, caret, cursor.block().previous().userState());
    if (start < 0)
        return;
    commandCompleter->setCompletionPrefix(line.mid(start, caret - start));
    openCompletionPopup(commandCompleter);
}

void MslTextEditor::openPropertyCompletion()
{
    // The caret stands right after the ")" of a call that has no property
    // yet: offer the identifier's properties.
    const QTextCursor cursor = textCursor();
    const int caret = cursor.positionInBlock();
    for (const IdentifierRecord& record : recordOf(cursor.block()).identifiers) {
        if (!record.hasParens || record.end + 1 != caret || record.propertyPos != -1)
            continue;
        QStandardItemModel* model = propertyModel(record.name, propertyCompleter);
        if (model && model->rowCount() > 0) {
            propertyCompleter->setModel(model); // drops the previous property model
            propertyCompleter->setCompletionPrefix(QString());
            openCompletionPopup(propertyCompleter);
        } else {
            delete model;
        }
        return;
    }
}

bool MslTextEditor::openCallTipAt(const QKeyEvent* e)
{
    const bool openParen = e->key() == Qt::Key_ParenLeft;
    const QTextCursor cursor = textCursor();
    const int p = cursor.positionInBlock();
    const IdentifierRecord* record = innermostIdentifier(recordOf(cursor.block()).identifiers, p);
    if (!record || (openParen && record->hasParens))
        return false; // no call here, or a "(" inside an existing parameter list

    // After a "," the caret is in the next parameter; after a "(" behind a
    // name written without parentheses it is in the first.
    const int paramIndex = (record->hasParens ? 1 : 0) + commasBelow(*record, p);
    const QString name = callName(*record);
    if (isKnownIdentifier(name, paramIndex) && buildCallTip(name, callTip, paramIndex)) {
        if (openParen || !callTip->isVisible()) {
            const QPoint corner = caretRect().topLeft();
            callTip->move(corner.x(), corner.y() + fontMetrics().height() + 1);
            callTip->setCurrentOverload(0);
        }
        callTip->show();
    }
    if (!openParen)
        return false; // the "," itself is typed by the plain editor
    insertPlainText(QStringLiteral("()"));
    QTextCursor between = textCursor();
    between.movePosition(QTextCursor::Left);
    setTextCursor(between);
    QTextCursor pair = between;
    pair.setPosition(between.position() - 1);
    pair.setPosition(between.position(), QTextCursor::KeepAnchor);
    autoClosedParens.append(pair);
    return true;
}

bool MslTextEditor::stepOverAutoClosedParen()
{
    QTextCursor cursor = textCursor();
    if (cursor.hasSelection())
        return false;
    for (qsizetype i = autoClosedParens.size() - 1; i >= 0; --i) {
        const QTextCursor& pair = autoClosedParens.at(i);
        if (pair.position() != cursor.position() || document()->characterAt(pair.position()) != QLatin1Char(')')
            || document()->characterAt(pair.anchor()) != QLatin1Char('('))
            continue;
        autoClosedParens.removeAt(i);
        cursor.movePosition(QTextCursor::NextCharacter);
        setTextCursor(cursor);
        return true;
    }
    return false;
}

void MslTextEditor::forgetParensLeftBehind()
{
    const int caret = textCursor().position();
    autoClosedParens.removeIf(
        [caret](const QTextCursor& pair) { return caret <= pair.anchor() || caret > pair.position(); });
}

void MslTextEditor::followCallTip()
{
    const QTextCursor cursor = textCursor();
    const int p = cursor.positionInBlock();
    const IdentifierRecord* record = innermostIdentifier(recordOf(cursor.block()).identifiers, p);
    if (!record) {
        if (buildCommandCallTip())
            callTip->show();
        else
            callTip->hide();
        return;
    }
    const int paramIndex = commasBelow(*record, p);
    const QString name = callName(*record);
    if (isKnownIdentifier(name, paramIndex) && buildCallTip(name, callTip, paramIndex))
        callTip->show();
    else
        callTip->hide();
}

bool MslTextEditor::buildCommandCallTip()
{
    const QTextCursor cursor = textCursor();
    const QTextBlock block = cursor.block();
    const DocumentKind kind = highlighter ? highlighter->documentKind() : DocumentKind::Remote;
    const CommandOccurrence command =
        commandAround(block.text(), block.previous().userState(), kind, cursor.positionInBlock());
    if (!command.entry)
        return false;
    callTip->setOverloads({commandCallTip(*command.entry)});
    return true;
}

void MslTextEditor::openCommandCallTip()
{
    if (callTip->isVisible()) {
        followCallTip();
        return;
    }
    if (!buildCommandCallTip())
        return;
    const QPoint corner = caretRect().topLeft();
    callTip->move(corner.x(), corner.y() + fontMetrics().height() + 1);
    callTip->setCurrentOverload(0);
    callTip->show();
}

void MslTextEditor::insertIndentKey(const QKeyEvent* e)
{
    if (!textCursor().hasSelection())
        insertPlainText(indentUnit);
    else if (e->key() == Qt::Key_Tab)
        indentSelection();
    else
        unindentSelection();
}

void MslTextEditor::followCompletionPopup(QCompleter* completer, const QKeyEvent* e)
{
    if (isLeftOrRight(e)) {
        completer->popup()->hide();
        callTip->hide();
        return;
    }
    if (e->modifiers() != Qt::NoModifier) {
        completer->popup()->hide();
        return;
    }
    const QTextCursor cursor = textCursor();
    const QString line = cursor.block().text();
    const int caret = cursor.positionInBlock();
    if (completer == commandCompleter) {
        const int start = CompletionContext::commandNameStart(line, caret, cursor.block().previous().userState());
        if (start < 0 || start == caret) {
            completer->popup()->hide();
            return;
        }
        completer->setCompletionPrefix(line.mid(start, caret - start));
        openCompletionPopup(completer);
        return;
    }
    const QChar marker = completer == colorCompleter ? controlChar(ControlCode::Colour)
        : completer == identifierCompleter           ? QLatin1Char('$')
                                                     : QLatin1Char('.');
    const QString typed = CompletionContext::textFromLastMarker(line, caret, marker);
    if (typed.isEmpty()) {
        completer->popup()->hide();
        return;
    }
    QString prefix = typed;
    if (completer == propertyCompleter)
        prefix = typed.mid(typed.startsWith(QLatin1String("$$")) ? 2 : 1);
    completer->setCompletionPrefix(prefix);
    openCompletionPopup(completer);
}

void MslTextEditor::followComCompletion(QKeyEvent* e)
{
    if (isLeftOrRight(e)) {
        comCompleter->popup()->hide();
        callTip->hide();
        return;
    }
    if (e->modifiers() != Qt::NoModifier) {
        comCompleter->popup()->hide();
        propertyCompleter->popup()->hide();
        return;
    }
    const QTextCursor cursor = textCursor();
    const QString word = CompletionContext::comProgIdPrefix(cursor.block().text(), cursor.positionInBlock());
    if (word.isEmpty()) {
        comCompleter->popup()->hide();
        return;
    }
    if (word != comCompleter->completionPrefix()) {
        comCompleter->setCompletionPrefix(word);
        comCompleter->popup()->setCurrentIndex(comCompleter->completionModel()->index(0, 0));
    }
    openCompletionPopup(comCompleter);
}

QTextBlock MslTextEditor::lastSelectedBlock(const QTextCursor& cursor) const
{
    const QTextBlock last = document()->findBlock(cursor.selectionEnd());
    // A selection that ends at the start of a line holds nothing of it.
    if (cursor.selectionEnd() == last.position() && cursor.selectionStart() < last.position())
        return last.previous();
    return last;
}

void MslTextEditor::indentSelection()
{
    QTextCursor cursor = textCursor();
    const QTextBlock first = document()->findBlock(cursor.selectionStart());
    const QTextBlock last = lastSelectedBlock(cursor);
    // The selection grows by the indents inserted inside it; one at the
    // start of its first line goes before it unless it starts at column 0.
    int start = cursor.selectionStart();
    int end = cursor.selectionEnd();
    if (start > first.position())
        start += indentWidth;
    QTextCursor edit(document());
    edit.beginEditBlock();
    for (QTextBlock block = first; block.isValid(); block = block.next()) {
        edit.setPosition(block.position());
        edit.insertText(indentUnit);
        end += indentWidth;
        if (block == last)
            break;
    }
    edit.endEditBlock();
    cursor.setPosition(start);
    cursor.setPosition(end, QTextCursor::KeepAnchor);
    setTextCursor(cursor);
}

void MslTextEditor::unindentSelection()
{
    static const QRegularExpression leadingSpaces(QStringLiteral("^ +"));
    QTextCursor cursor = textCursor();
    const int start = cursor.selectionStart();
    int end = cursor.selectionEnd();
    const QTextBlock last = lastSelectedBlock(cursor);
    cursor.beginEditBlock();
    for (QTextBlock block = document()->findBlock(start); block.isValid(); block = block.next()) {
        const QRegularExpressionMatch spaces = leadingSpaces.match(block.text());
        if (spaces.hasMatch()) {
            const int removed = qMin(indentWidth, int(spaces.capturedLength()));
            cursor.setPosition(block.position());
            cursor.setPosition(block.position() + removed, QTextCursor::KeepAnchor);
            cursor.removeSelectedText();
            end -= removed;
        }
        if (block == last)
            break;
    }
    cursor.endEditBlock();
    cursor.setPosition(start);
    cursor.setPosition(end, QTextCursor::KeepAnchor);
    setTextCursor(cursor);
}
