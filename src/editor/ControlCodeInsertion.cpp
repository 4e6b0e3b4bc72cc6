#include "MslTextEditor.h"

#include <QTextCursor>

// mIRC formats message text with single control characters: the code is
// typed at the caret, or put on both sides of a selection so that the
// selected text is formatted.
void MslTextEditor::insertControlCode(QChar code)
{
    QTextCursor cursor = textCursor();
    if (!cursor.hasSelection()) {
        insertPlainText(QString(code));
        return;
    }
    const int start = cursor.selectionStart();
    const int end = cursor.selectionEnd();
    QTextCursor edit(document());
    edit.setPosition(start);
    edit.insertText(QString(code));
    edit.setPosition(end + 1);   // the first code moved the selection's end by one
    edit.insertText(QString(code));
    cursor.setPosition(start + 1);
    setTextCursor(cursor);
}

void MslTextEditor::insertBold()
{
    insertControlCode(QChar(0x02));
}

void MslTextEditor::insertItalics()
{
    insertControlCode(QChar(0x1D));
}

void MslTextEditor::insertUnderline()
{
    insertControlCode(QChar(0x1F));
}

void MslTextEditor::insertReverse()
{
    insertControlCode(QChar(0x16));
}

void MslTextEditor::insertColors()
{
    insertControlCode(QChar(0x03));
}

void MslTextEditor::insertPlainCode()
{
    insertControlCode(QChar(0x0F));
}
