#include "MslTextEditor.h"

#include "completion/ControlCodes.h"

#include <QTextCursor>

// mIRC formats message text with single control characters: the code is
// typed at the caret, or put on both sides of a selection so that the
// selected text is formatted. The colour code, which also opens the colour
// popup, is inserted with the completion.
void MslTextEditor::insertControlCode(QChar code)
{
    // The insertions go through text cursors, which ignore read-only.
    if (isReadOnly())
        return;
    QTextCursor cursor = textCursor();
    if (!cursor.hasSelection()) {
        insertPlainText(QString(code));
        return;
    }
    const int start = cursor.selectionStart();
    const int end = cursor.selectionEnd();
    // Both codes are one edit, which one undo takes back.
    QTextCursor edit(document());
    edit.beginEditBlock();
    edit.setPosition(start);
    edit.insertText(QString(code));
    edit.setPosition(end + 1); // the first code moved the selection's end by one
    edit.insertText(QString(code));
    edit.endEditBlock();
    cursor.setPosition(start + 1);
    setTextCursor(cursor);
}

void MslTextEditor::insertBold()
{
    insertControlCode(controlChar(ControlCode::Bold));
}

void MslTextEditor::insertItalics()
{
    insertControlCode(controlChar(ControlCode::Italics));
}

void MslTextEditor::insertUnderline()
{
    insertControlCode(controlChar(ControlCode::Underline));
}

void MslTextEditor::insertReverse()
{
    insertControlCode(controlChar(ControlCode::Reverse));
}

void MslTextEditor::insertPlainCode()
{
    insertControlCode(controlChar(ControlCode::Plain));
}
