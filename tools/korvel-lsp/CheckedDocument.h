#pragma once

#include "DiagnosticsJson.h"
#include "checker/core/LineCheckResult.h"
#include "checker/core/MslChecker.h"
#include "checker/core/UnclosedBlock.h"
#include "checker/records/LineRecords.h"

#include <QString>
#include <QVector>

// A position as the protocol counts it: 0-based line, and 0-based UTF-16
// code unit in the line (a QString index).
struct TextPosition {
    int line = 0;
    int character = 0;
};

// One line's text and how its check went; what the checker recorded about
// the line is kept in the document's line records.
struct CheckedLine {
    QString text;
    int stateIn = -1;            // the state the line was checked with
    int stateOut = 1;            // the state it handed on
    QVector<int> diagnosticEnds; // one past the last character each diagnostic covers
    QVector<FormatSpan> spans;   // the checker's format runs, in line order
};

// Its members are Qt's own relocatable types, so a line inserted in the
// middle of 100,000 moves the later ones as plain memory.
Q_DECLARE_TYPEINFO(CheckedLine, Q_RELOCATABLE_TYPE);

// One open script with the checker's results for each of its lines. As in
// the editor, an edit re-checks the edited lines and then the following ones
// only while the state a line hands on differs from the one the next line
// was checked with; everything after that stays as it was.
//
// Edits only change the text; settle() checks what they left unchecked, so
// that a pile of edits is checked once, as its last version. The results of
// a line are read after settle().
//
// Lines are split at CR LF, LF and a lone CR, as the protocol counts them.
class CheckedDocument {
public:
    explicit CheckedDocument(const QString& text = QString(), DocumentKind kind = DocumentKind::Remote);

    // The text is checked as a file of this kind (remote unless told).
    void setKind(DocumentKind newKind) { kind = newKind; }
    DocumentKind documentKind() const { return kind; }
    // The text is an INI file's: each line is checked as the line of the
    // script it holds (after its key; a section line not at all, unless
    // popup sections are kept), and every position stays the file line's.
    void setIniLayout(bool keepPopupSections)
    {
        iniFile = true;
        keepIniPopupSections = keepPopupSections;
    }
    void setText(const QString& text);
    // Replaces the text between two positions (clamped to the document).
    void replace(TextPosition from, TextPosition to, const QString& text);
    // Checks the lines the edits since the last call changed, and the lines
    // after them whose state in changed.
    void settle();
    bool isSettled() const { return pendingFrom < 0; }

    int lineCount() const { return lines.size(); }
    // Where the script's line starts in line `index` of the text: after an
    // INI line's key; -1 for an INI section line, which is no line of the
    // script.
    int scriptStart(int index) const;
    const CheckedLine& line(int index) const
    {
        Q_ASSERT(isSettled());
        return lines[index];
    }
    const LineRecord& record(int index) const
    {
        Q_ASSERT(isSettled());
        return records.at(index);
    }
    // A line's diagnostics as the client gets them. Kept apart from the
    // lines, so that publishing walks a small array instead of every line's
    // whole record.
    const LineDiagnosticsJson& diagnosticsJson(int index) const { return linesJson[index]; }
    QString text() const;
    // The errors at the headers of blocks never closed (0-based lines),
    // found by the checker's unclosed-block rule over the whole document.
    // Found again by settle() only when an edit changed what the rule reads
    // (block states, headers, a block left open, the number of lines).
    const QVector<UnclosedBlock::Tracker::Finding>& unclosedBlocks() const
    {
        Q_ASSERT(isSettled());
        return unclosed;
    }

    // Lines checked by the last settle() (for the benchmark).
    int lastCheckedLineCount() const { return lastChecked; }
    // Grows whenever settle() changes what the diagnostics say (their texts,
    // ranges or lines), and only then.
    quint64 diagnosticsRevision() const { return revision; }

private:
    // Marks lines [first, end) of the current text as edited.
    void markEdited(int first, int end);
    // True when a line from `first` on carries a diagnostic.
    bool diagnosticsFrom(int first) const;
    bool checkLine(int index, int stateIn);
    // Follows the unclosed-block rule over every line; true when what it
    // finds differs from before.
    bool findUnclosedBlocks();

    QVector<CheckedLine> lines;
    LineRecords records;                    // one per line
    QVector<LineDiagnosticsJson> linesJson; // one per line
    MslChecker checker;
    DocumentKind kind = DocumentKind::Remote;
    bool iniFile = false;
    bool keepIniPopupSections = false;
    LineCheckResult scratch;
    int lastChecked = 0;
    // The lines edited since the last settle() lie in [pendingFrom,
    // pendingEnd); pendingFrom is -1 when there are none.
    int pendingFrom = -1;
    int pendingEnd = 0;
    bool diagnosticsMoved = false; // an edit moved or removed a diagnostic
    bool blocksMoved = false;      // an edit changed what the unclosed-block rule reads
    QVector<UnclosedBlock::Tracker::Finding> unclosed;
    quint64 revision = 0;
};

// The lines of a protocol text: CR LF, LF and a lone CR end a line; the text
// after the last line end is a line too (possibly empty).
QStringList documentLines(const QString& text);
