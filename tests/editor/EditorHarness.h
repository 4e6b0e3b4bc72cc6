#pragma once

#include "checker/MslSyntaxHighlighter.h"
#include "editor/MslTextEditor.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QCompleter>
#include <QKeySequence>
#include <QTest>
#include <QTextBlock>

// An editor checked by the real highlighter, shown, as in a script window.
// Keys go where a user's keys go: to an open completion popup (whose
// completer hands them on to the editor) or else to the editor.
struct TypingEditor {
    MslTextEditor editor;
    MslSyntaxHighlighter highlighter{editor.document()};

    explicit TypingEditor(const QString& text = QString())
    {
        editor.setHighlighter(&highlighter);
        editor.resize(700, 400);
        editor.setPlainText(text);
        editor.show();
        // Popups close when their editor does not hold the focus.
        QApplication::setActiveWindow(&editor);
        editor.setFocus();
        if (!QTest::qWaitForWindowActive(&editor))
            qWarning("the editor's window did not become active");
        QTextCursor end = editor.textCursor();
        end.movePosition(QTextCursor::End);
        editor.setTextCursor(end);
    }

    QWidget* keyTarget()
    {
        if (QWidget* popup = QApplication::activePopupWidget())
            return popup;
        return &editor;
    }

    void key(Qt::Key k, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QTest::keyClick(keyTarget(), k, modifiers);
    }

    void key(char c, Qt::KeyboardModifiers modifiers = Qt::NoModifier) { QTest::keyClick(keyTarget(), c, modifiers); }

    void press(const QKeySequence& keys)
    {
        for (int i = 0; i < keys.count(); ++i)
            key(keys[i].key(), keys[i].keyboardModifiers());
    }

    void type(const char* text)
    {
        for (const char* c = text; *c; ++c)
            key(*c);
    }

    // Keys as a menu names them, one after another: "Shift+{ Return".
    void keys(const QString& names)
    {
        for (const QString& name : names.split(QLatin1Char(' ')))
            press(QKeySequence(name));
    }

    // The text with the caret as "|", or a selection from "[" (its anchor)
    // to "]" (the caret).
    QString marked() const
    {
        const QTextCursor c = editor.textCursor();
        QString shown = text();
        if (!c.hasSelection())
            return shown.insert(c.position(), QLatin1Char('|'));
        const bool forward = c.anchor() < c.position();
        shown.insert(c.selectionEnd(), QLatin1Char(forward ? ']' : '['));
        return shown.insert(c.selectionStart(), QLatin1Char(forward ? '[' : ']'));
    }

    // Sets a text marked as marked() shows it.
    void setMarked(QString shown)
    {
        int anchor = shown.indexOf(QLatin1Char('|'));
        int caret = anchor;
        if (anchor < 0) {
            anchor = shown.indexOf(QLatin1Char('['));
            caret = shown.indexOf(QLatin1Char(']'));
            shown.remove(qMax(anchor, caret), 1);
            (anchor < caret ? caret : anchor) -= 1;
        }
        shown.remove(qMin(anchor, caret), 1);
        editor.setPlainText(shown);
        select(anchor, caret);
    }

    // The caret's line with a "|" where the caret stands.
    QString caretLine() const
    {
        const QTextCursor c = editor.textCursor();
        QString line = c.block().text();
        return line.insert(c.positionInBlock(), QLatin1Char('|'));
    }

    void placeCaret(int position)
    {
        QTextCursor c = editor.textCursor();
        c.setPosition(position);
        editor.setTextCursor(c);
    }

    void select(int from, int to)
    {
        QTextCursor c = editor.textCursor();
        c.setPosition(from);
        c.setPosition(to, QTextCursor::KeepAnchor);
        editor.setTextCursor(c);
    }

    // The numbers of the hidden lines, as "1,2".
    QString hiddenLines() const
    {
        QStringList hidden;
        for (QTextBlock b = editor.document()->firstBlock(); b.isValid(); b = b.next())
            if (!b.isVisible())
                hidden << QString::number(b.blockNumber());
        return hidden.join(QLatin1Char(','));
    }

    QCompleter* completer(MslTextEditor::CompletionKind kind) const { return editor.completer(kind); }
    bool popupOpen(MslTextEditor::CompletionKind kind) const { return completer(kind)->popup()->isVisible(); }
    QString text() const { return editor.toPlainText(); }
};
