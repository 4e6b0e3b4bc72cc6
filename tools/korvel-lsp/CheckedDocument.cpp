#include "CheckedDocument.h"

#include "formats/ScriptLayout.h"

#include <QStringList>
#include <algorithm>

QStringList documentLines(const QString& text)
{
    QStringList result;
    const int length = text.size();
    int start = 0;
    for (int i = 0; i < length; ++i) {
        const QChar c = text[i];
        if (c != QLatin1Char('\n') && c != QLatin1Char('\r'))
            continue;
        result.append(text.mid(start, i - start));
        if (c == QLatin1Char('\r') && i + 1 < length && text[i + 1] == QLatin1Char('\n'))
            ++i;
        start = i + 1;
    }
    result.append(text.mid(start));
    return result;
}

namespace {

// One past the last character a diagnostic at `pos` covers: the run of the
// problem format the checker painted there, else the word at the position.
int diagnosticEnd(const QString& text, const QVector<FormatId>& formats, int pos)
{
    const int length = text.size();
    if (pos >= length)
        return qMax(pos, 0);
    const FormatId painted = formats.value(pos);
    int end = pos + 1;
    if (painted == FormatId::errorFormat || painted == FormatId::warningFormat || painted == FormatId::noticeFormat
        || painted == FormatId::commentErrorFormat) {
        while (end < length && formats[end] == painted)
            ++end;
        return end;
    }
    while (end < length && text[end] != QLatin1Char(' '))
        ++end;
    return end;
}

// The result of a line checked from `offset` of a longer line on: every
// position counted from the longer line's start, the text before the
// offset unpainted.
void startAt(LineCheckResult& result, int offset)
{
    if (offset == 0)
        return;
    result.formats.insert(0, offset, FormatId::None);
    for (LineDiagnostic& diagnostic : result.diagnostics)
        diagnostic.pos += offset;
    for (IdentifierRecord& record : result.identifiers) {
        record.start += offset;
        record.end += offset;
        if (record.propertyPos > 0)
            record.propertyPos += offset;
        for (int& comma : record.commaPositions)
            comma += offset;
    }
    if (result.header.namePos >= 0)
        result.header.namePos += offset;
}

} // namespace

namespace {

// The state in of a line edited since it was last checked: no line is ever
// checked with it, so the line is checked again whatever its neighbours say.
constexpr int editedState = -2;

} // namespace

CheckedDocument::CheckedDocument(const QString& text, DocumentKind kind)
    : kind(kind)
{
    setText(text);
    settle();
}

void CheckedDocument::setText(const QString& text)
{
    const QStringList texts = documentLines(text);
    // With as many lines as before, each line's new diagnostics are compared
    // with its old ones; otherwise every line may have moved.
    if (texts.size() != lines.size()) {
        diagnosticsMoved = diagnosticsMoved || diagnosticsFrom(0);
        blocksMoved = true;
        lines.clear();
        lines.resize(texts.size());
        linesJson.clear();
        linesJson.resize(texts.size());
        records.reset(texts.size());
    }
    for (int i = 0; i < texts.size(); ++i)
        lines[i].text = texts[i];
    pendingFrom = -1;
    markEdited(0, lines.size());
}

void CheckedDocument::replace(TextPosition from, TextPosition to, const QString& text)
{
    const auto clamp = [this](TextPosition p) {
        if (p.line < 0)
            return TextPosition{0, 0};
        if (p.line >= lines.size())
            return TextPosition{int(lines.size()) - 1, int(lines.last().text.size())};
        p.character = qBound(0, p.character, int(lines[p.line].text.size()));
        return p;
    };
    from = clamp(from);
    to = clamp(to);
    if (to.line < from.line || (to.line == from.line && to.character < from.character))
        std::swap(from, to);

    const QString joined = lines[from.line].text.left(from.character) + text + lines[to.line].text.mid(to.character);
    const QStringList texts = documentLines(joined);
    const int removed = to.line - from.line + 1;
    const int added = texts.size();
    if (added != removed && !diagnosticsMoved)
        diagnosticsMoved = diagnosticsFrom(from.line);
    blocksMoved = blocksMoved || added != removed;
    if (added > removed) {
        lines.insert(from.line + removed, added - removed, CheckedLine());
        linesJson.insert(from.line + removed, added - removed, LineDiagnosticsJson());
        records.insertLines(from.line + removed, added - removed);
    } else if (added < removed) {
        lines.remove(from.line + added, removed - added);
        linesJson.remove(from.line + added, removed - added);
        records.removeLines(from.line + added, removed - added);
    }
    for (int i = 0; i < added; ++i)
        lines[from.line + i].text = texts[i];
    // The edited lines already pending move with the lines around them.
    if (pendingFrom >= 0 && pendingEnd > from.line + removed)
        pendingEnd += added - removed;
    pendingEnd = qMin(pendingEnd, int(lines.size()));
    markEdited(from.line, from.line + added);
}

void CheckedDocument::markEdited(int first, int end)
{
    for (int i = first; i < end; ++i)
        lines[i].stateIn = editedState;
    pendingFrom = pendingFrom < 0 ? first : qMin(pendingFrom, first);
    pendingEnd = qMax(pendingEnd, end);
}

bool CheckedDocument::diagnosticsFrom(int first) const
{
    for (int i = first; i < linesJson.size(); ++i)
        if (!linesJson[i].text.isEmpty())
            return true;
    return false;
}

void CheckedDocument::settle()
{
    lastChecked = 0;
    if (pendingFrom < 0)
        return;
    bool changed = diagnosticsMoved;
    int stateIn = pendingFrom > 0 ? lines[pendingFrom - 1].stateOut : -1; // the first line has no previous state
    for (int i = pendingFrom; i < lines.size(); ++i) {
        // A line checked with the state it gets now keeps its results; past
        // the last edit, so do all the lines after it.
        if (lines[i].stateIn == stateIn) {
            if (i >= pendingEnd)
                break;
        } else {
            changed = checkLine(i, stateIn) || changed;
        }
        stateIn = lines[i].stateOut;
    }
    if (blocksMoved)
        changed = findUnclosedBlocks() || changed;
    pendingFrom = -1;
    pendingEnd = 0;
    diagnosticsMoved = false;
    blocksMoved = false;
    if (changed)
        ++revision;
}

bool CheckedDocument::checkLine(int index, int stateIn)
{
    CheckedLine& line = lines[index];
    const int start = scriptStart(index);
    if (start < 0) {
        // A section line is no line of the script: the state passes on.
        scratch.reset(int(line.text.size()));
        scratch.state = stateIn;
    } else {
        checker.checkLine(MslChecker::lowerCased(line.text.sliced(start)), stateIn, scratch, kind);
        startAt(scratch, start);
    }
    const int stateOutBefore = line.stateOut;
    const LineRecord& before = records.at(index);
    blocksMoved = blocksMoved || stateOutBefore != scratch.state || before.leavesBlockOpen != scratch.leavesBlockOpen
        || before.header.blockKind != scratch.header.blockKind || before.header.blockName != scratch.header.blockName;
    line.stateIn = stateIn;
    line.stateOut = scratch.state;
    records.record(index, scratch);
    const QVector<LineDiagnostic>& diagnostics = scratch.diagnostics;
    line.diagnosticEnds.resize(diagnostics.size());
    for (int k = 0; k < diagnostics.size(); ++k)
        line.diagnosticEnds[k] = diagnosticEnd(line.text, scratch.formats, diagnostics[k].pos);
    line.spans = scratch.spans();
    LineDiagnosticsJson json = LineDiagnosticsJson::write(diagnostics, line.diagnosticEnds);
    const bool changed = json.text != linesJson[index].text;
    linesJson[index] = std::move(json);
    ++lastChecked;
    return changed;
}

int CheckedDocument::scriptStart(int index) const
{
    return iniFile ? ScriptLayout::iniLineStart(lines[index].text, keepIniPopupSections) : 0;
}

bool CheckedDocument::findUnclosedBlocks()
{
    QVector<UnclosedBlock::Tracker::Finding> findings;
    UnclosedBlock::Tracker tracker;
    for (int i = 0; i < lines.size(); ++i) {
        const CheckedLine& line = lines[i];
        const LineRecord& record = records.at(i);
        if (auto finding = tracker.follow(i, line.stateOut, record.leavesBlockOpen, record.header))
            findings.append(*finding);
    }
    if (auto finding = tracker.atEnd())
        findings.append(*finding);
    const auto same = [](const UnclosedBlock::Tracker::Finding& a, const UnclosedBlock::Tracker::Finding& b) {
        return a.line == b.line && a.diagnostic.message == b.diagnostic.message;
    };
    const bool differs = !std::equal(findings.begin(), findings.end(), unclosed.begin(), unclosed.end(), same);
    unclosed = std::move(findings);
    return differs;
}

QString CheckedDocument::text() const
{
    QStringList texts;
    texts.reserve(lines.size());
    for (const CheckedLine& line : lines)
        texts.append(line.text);
    return texts.join(QLatin1Char('\n'));
}
