#include "MslSyntaxHighlighter.h"

#include "TextFormats.h"
#include "checker/core/UnclosedBlock.h"

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTimer>

MslSyntaxHighlighter::MslSyntaxHighlighter(QTextDocument* document)
    : QSyntaxHighlighter(static_cast<QObject*>(document))
{
    // Before setDocument, which connects the re-highlighting to the same signal.
    connect(document, &QTextDocument::contentsChange, this, &MslSyntaxHighlighter::followEdit);
    records.reset(document->blockCount());
    setDocument(document);
    // After the re-highlighting, which the line above connected.
    connect(document, &QTextDocument::contentsChange, this, [this] {
        if (documentEndUnsettled)
            settleDocumentEnd();
    });
}

MslSyntaxHighlighter::~MslSyntaxHighlighter()
{
    // Leaving the document clears its formats, an edit that the document's
    // readers (the editor's fold keeper) answer by asking for line records:
    // leave it while the records still exist, not in the base destructor.
    setDocument(nullptr);
}

void MslSyntaxHighlighter::setFileName(const QString& name)
{
    if (name == fileName)
        return;
    fileName = name;
    emit fileNameChanged(fileName);
}

void MslSyntaxHighlighter::setDocumentKind(DocumentKind newKind)
{
    if (newKind == kind)
        return;
    kind = newKind;
    rehighlight();
}

void MslSyntaxHighlighter::pauseHighlighting()
{
    paused = true;
}

void MslSyntaxHighlighter::resumeHighlighting()
{
    paused = false;
}

const LineRecord& MslSyntaxHighlighter::recordAt(const QTextBlock& block) const
{
    return records.at(block.isValid() ? block.blockNumber() : -1);
}

void MslSyntaxHighlighter::followEdit(int position, int /*charsRemoved*/, int /*charsAdded*/)
{
    // The lines an edit adds or removes lie after the block it starts in;
    // that block and the edited ones are checked again right after.
    const int moved = document()->blockCount() - records.lineCount();
    if (moved == 0)
        return;
    const int first = qMax(document()->findBlock(position).blockNumber(), 0) + 1;
    if (moved > 0) {
        records.insertLines(first, moved);
        emit linesInserted(first, moved);
    } else {
        records.removeLines(first, -moved);
        emit linesRemoved(first, -moved);
    }
}

void MslSyntaxHighlighter::highlightBlock(const QString& text)
{
    // The bracket checker edits the document while paused: nothing of the
    // lines it touches (states, records, diagnostics) may change meanwhile.
    if (paused)
        return;
    checker.checkLine(MslChecker::lowerCased(text), previousBlockState(), result, kind);
    applyFormats();
    const QTextBlock block = currentBlock();
    const int line = block.blockNumber();
    if (records.record(line, result))
        emit diagnosticsChanged(line, line);
    if (line == records.endFindingLine())
        underlineLine(int(text.size()));
    setCurrentBlockState(result.state);
    // Edits above the finding's line leave it where it is; a last line
    // checked again settles at once, any other line once the edit is done.
    if (!block.next().isValid())
        settleDocumentEnd();
    else if (records.endFindingLine() >= 0 && line >= records.endFindingLine())
        documentEndUnsettled = true;
}

void MslSyntaxHighlighter::settleDocumentEnd()
{
    documentEndUnsettled = false;
    // The tracker follows the lines from the first of the run that the
    // document ends in, as it would from the document's first line.
    std::optional<UnclosedBlock::Tracker::Finding> finding;
    const QTextBlock last = document()->lastBlock();
    if (UnclosedBlock::leavesDocumentOpen(last.userState())) {
        QTextBlock first = last;
        while (first.previous().isValid() && UnclosedBlock::leavesDocumentOpen(first.previous().userState()))
            first = first.previous();
        UnclosedBlock::Tracker tracker;
        int line = first.blockNumber();
        for (QTextBlock block = first; block.isValid(); block = block.next(), ++line) {
            const LineRecord& record = records.at(line);
            tracker.follow(line, block.userState(), record.leavesBlockOpen, record.header);
        }
        finding = tracker.atEnd();
    }
    const int before = records.endFindingLine();
    if (!records.setEndFinding(finding ? finding->line : -1, finding ? finding->diagnostic : LineDiagnostic()))
        return;
    if (before >= 0) {
        emit diagnosticsChanged(before, before);
        repaintLater(before);
    }
    if (finding && finding->line != before) {
        emit diagnosticsChanged(finding->line, finding->line);
        repaintLater(finding->line);
    }
}

void MslSyntaxHighlighter::underlineLine(int length)
{
    const QTextCharFormat& error = TextFormats::format(FormatId::errorFormat);
    for (int start = 0; start < length;) {
        QTextCharFormat painted = format(start);
        int end = start + 1;
        while (end < length && format(end) == painted)
            ++end;
        painted.setUnderlineStyle(error.underlineStyle());
        painted.setUnderlineColor(error.underlineColor());
        setFormat(start, end - start, painted);
        start = end;
    }
}

void MslSyntaxHighlighter::repaintLater(int line)
{
    // Not from inside the highlighting that settled the finding. A cursor
    // keeps to the line while later edits move it.
    QTimer::singleShot(0, this, [this, at = QTextCursor(document()->findBlockByNumber(line))] {
        if (!at.isNull())
            rehighlightBlock(at.block());
    });
}

// Paints each maximal run of one format with a single setFormat call.
void MslSyntaxHighlighter::applyFormats()
{
    result.forEachSpan(
        [this](const FormatSpan& span) { setFormat(span.start, span.length, TextFormats::format(span.format)); });
}
