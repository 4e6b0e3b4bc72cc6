#include "MslTextEditor.h"

#include "checker/MslSyntaxHighlighter.h"
#include "formatting/BraceIndenter.h"

#include <QProgressDialog>
#include <QTextBlock>
#include <QTextCursor>

namespace {

// Gives the line exactly `wanted` leading spaces: missing ones go after the
// spaces it has (so before a leading tab), surplus ones are cut from the end
// of its leading spaces.
void setLeadingSpaces(QTextCursor& cursor, const QTextBlock& block, int wanted)
{
    const int have = BraceIndenter::leadingSpaces(block.text());
    if (have < wanted) {
        cursor.setPosition(block.position() + have);
        cursor.insertText(QString(wanted - have, QLatin1Char(' ')));
    } else if (have > wanted) {
        cursor.setPosition(block.position() + wanted);
        cursor.setPosition(block.position() + have, QTextCursor::KeepAnchor);
        cursor.removeSelectedText();
    }
}

} // namespace

void MslTextEditor::checkBrackets()
{
    if (isReadOnly())
        return;
    // Every edited line would be checked again as it changes; one pass over
    // the finished text afterwards is enough.
    if (highlighter)
        highlighter->pauseHighlighting();
    QTextCursor cursor = textCursor();
    cursor.movePosition(QTextCursor::Start);
    cursor.beginEditBlock();

    QProgressDialog progress(QStringLiteral("Checking brackets..."), QStringLiteral("Abort"), 0,
                             document()->blockCount(), this);
    progress.setWindowFlags(progress.windowFlags() & ~Qt::WindowContextHelpButtonHint);
    progress.setWindowModality(Qt::WindowModal);
    // Shown from the start: only a dialog on screen lets the user abort.
    progress.setMinimumDuration(0);

    BraceIndenter indenter;
    for (QTextBlock block = document()->firstBlock(); block.isValid() && !progress.wasCanceled();) {
        progress.setValue(block.blockNumber());
        progress.show();
        cursor.setPosition(block.position());
        setLeadingSpaces(cursor, block, indenter.wantedIndent(block.text()));
        block = block.next();
        if (block.isValid())
            cursor.setPosition(block.position());
        progress.show();
    }

    cursor.endEditBlock();
    setTextCursor(cursor);
    if (highlighter) {
        highlighter->resumeHighlighting();
        highlighter->rehighlight();
    }
    progress.close();
}
