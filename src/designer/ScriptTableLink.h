#pragma once

#include "dialogtable/DialogTable.h"

#include <QPointer>
#include <QTextCursor>

class QPlainTextEdit;

// The dialog table of a script that a designer window was opened on: where
// it stands in the script's editor and what it said when it was read, so
// that the designer's code can replace it later.
class ScriptTableLink {
public:
    // The table around the editor's caret; false (and nothing linked) when
    // the caret is outside every dialog table.
    bool readAtCaret(QPlainTextEdit* editor);
    // The table around line `line` (0-based) of the editor's script.
    bool readAt(QPlainTextEdit* editor, int line);

    bool isLinked() const { return !script.isNull(); }
    const DialogTable& table() const { return readTable; }

    // Replaces the table in the script with `lines`, and puts `after`
    // after it, as one undo step, and remembers `lines` as the table read.
    // False, with the script untouched, when the script is gone or
    // read-only, or its table is no longer the one read (it was edited or
    // removed meanwhile).
    bool replace(const QStringList& lines, const QStringList& after = QStringList());
    // The lines of the linked script; none when it is gone.
    QStringList scriptLines() const;

private:
    QPointer<QPlainTextEdit> script;
    // Stands at the start of the header line and moves with edits above it.
    QTextCursor header;
    DialogTable readTable;
};
