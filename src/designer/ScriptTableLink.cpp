#include "ScriptTableLink.h"

#include "dialogtable/DialogTableLocator.h"

#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextDocument>

namespace {

QStringList documentLines(const QPlainTextEdit* editor)
{
    QStringList lines;
    const QTextDocument* doc = editor->document();
    lines.reserve(doc->blockCount());
    for (QTextBlock block = doc->begin(); block.isValid(); block = block.next())
        lines << block.text();
    return lines;
}

} // namespace

bool ScriptTableLink::readAtCaret(QPlainTextEdit* editor)
{
    return readAt(editor, editor->textCursor().blockNumber());
}

bool ScriptTableLink::readAt(QPlainTextEdit* editor, int line)
{
    const QStringList lines = documentLines(editor);
    const DialogTableLocator::Span span = DialogTableLocator::find(lines, line);
    if (!span.isValid())
        return false;
    script = editor;
    header = QTextCursor(editor->document()->findBlockByNumber(span.header));
    readTable = DialogTable::read(lines.mid(span.header, span.lineCount()));
    return true;
}

QStringList ScriptTableLink::scriptLines() const
{
    return script ? documentLines(script) : QStringList();
}

bool ScriptTableLink::replace(const QStringList& lines, const QStringList& after)
{
    if (!script || header.isNull() || script->isReadOnly())
        return false;
    const QStringList now = documentLines(script);
    const int headerLine = header.block().blockNumber();
    const DialogTableLocator::Span span = DialogTableLocator::find(now, headerLine);
    if (span.header != headerLine || now.mid(span.header, span.lineCount()) != readTable.lines())
        return false;
    if (lines != readTable.lines() || !after.isEmpty()) {
        QTextDocument* doc = script->document();
        QTextCursor edit(doc->findBlockByNumber(span.header));
        edit.setPosition(doc->findBlockByNumber(span.closing).position() + doc->findBlockByNumber(span.closing).length()
                             - 1,
                         QTextCursor::KeepAnchor);
        edit.beginEditBlock();
        edit.insertText((lines + after).join(QLatin1Char('\n')));
        edit.endEditBlock();
        header = QTextCursor(doc->findBlockByNumber(span.header));
    }
    readTable = DialogTable::read(lines);
    return true;
}
