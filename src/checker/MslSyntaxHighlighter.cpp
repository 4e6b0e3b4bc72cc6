#include "MslSyntaxHighlighter.h"

#include "TextFormats.h"
#include "checker/core/UnclosedBlock.h"

#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>

#include <system_error>

namespace {

using FormatRanges = QList<QTextLayout::FormatRange>;

// The line's colours with the error underline added throughout, also where
// the line has no colour of its own.
FormatRanges underlined(const FormatRanges& ranges, int length)
{
    const QTextCharFormat& error = TextFormats::format(FormatId::errorFormat);
    FormatRanges all;
    const auto add = [&](int start, int end, QTextCharFormat format) {
        format.setUnderlineStyle(error.underlineStyle());
        format.setUnderlineColor(error.underlineColor());
        all.append({start, end - start, format});
    };
    int pos = 0;
    for (const QTextLayout::FormatRange& range : ranges) {
        if (range.start > pos)
            add(pos, range.start, QTextCharFormat());
        add(range.start, range.start + range.length, range.format);
        pos = range.start + range.length;
    }
    if (pos < length)
        add(pos, length, QTextCharFormat());
    return all;
}

int stateBefore(const QTextBlock& block)
{
    const QTextBlock previous = block.previous();
    return previous.isValid() ? previous.userState() : -1;
}

} // namespace

MslSyntaxHighlighter::MslSyntaxHighlighter(QTextDocument* document)
    : QObject(document)
    , doc(document)
{
    connect(document, &QTextDocument::contentsChange, this, &MslSyntaxHighlighter::followEdit);
    records.reset(document->blockCount());
    shown.assign(size_t(document->blockCount()), false);
    rehighlight();
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

void MslSyntaxHighlighter::rehighlight()
{
    checkFrom(doc->firstBlock(), doc->blockCount() - 1);
    if (documentEndUnsettled)
        settleDocumentEnd();
}

void MslSyntaxHighlighter::formatLines(int first, int last)
{
    QTextBlock block = doc->findBlockByNumber(first);
    for (int line = first; line <= last && block.isValid(); ++line, block = block.next()) {
        if (shown[size_t(line)])
            continue;
        shown[size_t(line)] = true;
        paintAgain(block, line);
    }
}

void MslSyntaxHighlighter::checkArrivingText(const QString& text)
{
    try {
        arriving = std::async(std::launch::async, checkText, text, kind);
    } catch (const std::system_error&) {
        // No thread to spare: the edit checks the lines itself.
    }
}

MslSyntaxHighlighter::CheckedText MslSyntaxHighlighter::checkText(const QString& text, DocumentKind kind)
{
    CheckedText checked;
    checked.records.reset(int(text.count(QLatin1Char('\n'))) + 1);
    MslChecker checker;
    LineCheckResult result;
    int state = -1;
    int line = 0;
    for (qsizetype start = 0; start <= text.size(); ++line) {
        qsizetype end = text.indexOf(QLatin1Char('\n'), start);
        if (end < 0)
            end = text.size();
        checker.checkLine(MslChecker::lowerCased(text.mid(start, end - start)), state, result, kind);
        checked.records.record(line, result);
        checked.states.push_back(result.state);
        state = result.state;
        start = end + 1;
    }
    return checked;
}

bool MslSyntaxHighlighter::adoptArrivingText(int position, int charsAdded)
{
    // Clearing the old text comes first, as an edit that adds nothing.
    if (charsAdded == 0)
        return false;
    CheckedText checked = arriving.get();
    // The edit that brings the text in adds the whole document. The document
    // also starts lines at characters other than LF (CR, the paragraph
    // separator): a text with those is checked as the document splits it.
    if (paused || position != 0 || charsAdded != doc->characterCount()
        || int(checked.states.size()) != doc->blockCount())
        return false;
    const int before = records.lineCount();
    records = std::move(checked.records);
    shown.assign(checked.states.size(), false);
    if (doc->blockCount() > before)
        emit linesInserted(before, doc->blockCount() - before);
    else if (doc->blockCount() < before)
        emit linesRemoved(doc->blockCount(), before - doc->blockCount());
    int line = 0;
    for (QTextBlock block = doc->firstBlock(); block.isValid(); block = block.next(), ++line)
        block.setUserState(checked.states[size_t(line)]);
    emit diagnosticsChanged(0, doc->blockCount() - 1);
    settleDocumentEnd();
    return true;
}

const LineRecord& MslSyntaxHighlighter::recordAt(const QTextBlock& block) const
{
    return records.at(block.isValid() ? block.blockNumber() : -1);
}

void MslSyntaxHighlighter::followEdit(int position, int charsRemoved, int charsAdded)
{
    if (arriving.valid() && adoptArrivingText(position, charsAdded))
        return;
    moveRecords(position);
    // The bracket checker edits the document while paused: nothing of the
    // lines it touches (states, records, diagnostics) may change meanwhile.
    if (paused)
        return;
    const QTextBlock last = doc->findBlock(position + charsAdded + (charsRemoved > 0 ? 1 : 0));
    checkFrom(doc->findBlock(position), last.isValid() ? last.blockNumber() : doc->blockCount() - 1);
    if (documentEndUnsettled)
        settleDocumentEnd();
}

void MslSyntaxHighlighter::moveRecords(int position)
{
    // The lines an edit adds or removes lie after the block it starts in;
    // that block and the edited ones are checked again right after.
    const int moved = doc->blockCount() - records.lineCount();
    if (moved == 0)
        return;
    const int first = qMax(doc->findBlock(position).blockNumber(), 0) + 1;
    if (moved > 0) {
        records.insertLines(first, moved);
        shown.insert(shown.begin() + first, size_t(moved), false);
        emit linesInserted(first, moved);
    } else {
        records.removeLines(first, -moved);
        shown.erase(shown.begin() + first, shown.begin() + first - moved);
        emit linesRemoved(first, -moved);
    }
}

void MslSyntaxHighlighter::checkFrom(QTextBlock block, int lastLine)
{
    bool stateChanged = false;
    for (int line = block.blockNumber(); block.isValid() && (line <= lastLine || stateChanged);
         block = block.next(), ++line) {
        const int stateBeforeCheck = block.userState();
        checkBlock(block, line);
        stateChanged = block.userState() != stateBeforeCheck;
    }
}

void MslSyntaxHighlighter::checkBlock(QTextBlock block, int line)
{
    checker.checkLine(MslChecker::lowerCased(block.text()), stateBefore(block), result, kind);
    if (records.record(line, result))
        emit diagnosticsChanged(line, line);
    block.setUserState(result.state);
    if (shown[size_t(line)])
        paintBlock(block, line);
    // Edits above the finding's line leave it where it is; a last line
    // checked again settles at once, any other line once the edit is done.
    if (!block.next().isValid())
        settleDocumentEnd();
    else if (records.endFindingLine() >= 0 && line >= records.endFindingLine())
        documentEndUnsettled = true;
}

void MslSyntaxHighlighter::paintBlock(const QTextBlock& block, int line)
{
    FormatRanges ranges;
    result.forEachSpan([&ranges](const FormatSpan& span) {
        ranges.append({span.start, span.length, TextFormats::format(span.format)});
    });
    if (line == records.endFindingLine())
        ranges = underlined(ranges, block.length() - 1);
    QTextLayout* layout = block.layout();
    if (layout->formats() == ranges)
        return;
    layout->setFormats(ranges);
    doc->markContentsDirty(block.position(), block.length());
}

void MslSyntaxHighlighter::settleDocumentEnd()
{
    documentEndUnsettled = false;
    // The tracker follows the lines from the first of the run that the
    // document ends in, as it would from the document's first line.
    std::optional<UnclosedBlock::Tracker::Finding> finding;
    const QTextBlock last = doc->lastBlock();
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
        repaintLine(before);
    }
    if (finding && finding->line != before) {
        emit diagnosticsChanged(finding->line, finding->line);
        repaintLine(finding->line);
    }
}

void MslSyntaxHighlighter::repaintLine(int line)
{
    if (shown[size_t(line)])
        paintAgain(doc->findBlockByNumber(line), line);
}

void MslSyntaxHighlighter::paintAgain(const QTextBlock& block, int line)
{
    // The checker is a function of the line and the state before it, so it
    // gives the spans it gave when it last checked the line.
    checker.checkLine(MslChecker::lowerCased(block.text()), stateBefore(block), result, kind);
    paintBlock(block, line);
}
