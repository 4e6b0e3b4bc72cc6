#pragma once

#include "checker/core/LineCheckResult.h"
#include "checker/core/MslChecker.h"
#include "checker/records/LineRecords.h"

#include <QObject>
#include <QString>

#include <future>
#include <vector>

class QTextBlock;
class QTextDocument;

// Adapts the checker core to one QTextDocument: it runs the core over every
// line as the document changes and keeps what each line recorded (header,
// identifiers, diagnostics) in the document's line records, which it alone
// writes, and each line's end state in its block. A document that ends
// inside a block (or a comment outside blocks) has the checker's never-closed
// finding listed with the diagnostics of the header line that opened it, and
// that line underlined as an error, for as long as it ends so. Readers ask it
// for a line's record and follow the diagnostics through its signals; line
// numbers are 0-based.
//
// Colours are the checker's spans too, but a line gets them only once a view
// is about to show it (formatLines): a script of 100,000 lines is checked
// whole on opening, yet only its shown lines carry a text layout. A line that
// has been shown keeps its colours current as it is checked again.
class MslSyntaxHighlighter : public QObject {
    Q_OBJECT
public:
    explicit MslSyntaxHighlighter(QTextDocument* document);

    QTextDocument* document() const { return doc; }

    // The name the document's diagnostics are listed under.
    void setFileName(const QString& name);
    QString getFileName() const { return fileName; }

    // What the document holds; checking follows it. Changing it checks the
    // whole document again.
    void setDocumentKind(DocumentKind kind);
    DocumentKind documentKind() const { return kind; }

    // While paused, edits move the records with their lines but check
    // nothing; rehighlight() afterwards brings every line up to date.
    void pauseHighlighting();
    void resumeHighlighting();
    bool isPaused() const { return paused; }
    // Checks every line again, from the first.
    void rehighlight();

    // Gives the lines from `first` to `last` the colours of their spans, for
    // a view that is about to show them.
    void formatLines(int first, int last);

    // Starts checking `text` on a second thread, ahead of the edit that makes
    // it the document's whole text (a file being loaded): its lines are
    // checked while the document takes them in, and that edit adopts what
    // was found instead of checking every line again.
    void checkArrivingText(const QString& text);

    const LineRecord& recordAt(const QTextBlock& block) const;
    const LineRecord& recordAt(int line) const { return records.at(line); }
    int lineCount() const { return records.lineCount(); }

signals:
    // The diagnostics of lines first..last changed.
    void diagnosticsChanged(int first, int last);
    // Lines moved: `count` lines were inserted before line `first`, or
    // removed from it on, with whatever they recorded. The lines around are
    // checked again afterwards as usual.
    void linesInserted(int first, int count);
    void linesRemoved(int first, int count);
    void fileNameChanged(const QString& name);

private:
    // What checking a text line by line found.
    struct CheckedText {
        LineRecords records;
        std::vector<int> states; // each line's end state
    };
    static CheckedText checkText(const QString& text, DocumentKind kind);
    // Takes the arriving text's check for the edit that brought the text in;
    // false when this edit is not that one.
    bool adoptArrivingText(int position, int charsAdded);

    // Moves the records with the lines an edit adds or removes, then checks
    // the edited lines and those after them whose starting state changed.
    void followEdit(int position, int charsRemoved, int charsAdded);
    void moveRecords(int position);
    // Checks the lines from `block` on: all of them up to `lastLine`, and
    // after it for as long as a line's end state changed.
    void checkFrom(QTextBlock block, int lastLine);
    void checkBlock(QTextBlock block, int line);
    // Sets the line's colours (the spans of `result`, which checked it) when
    // they differ from those it has.
    void paintBlock(const QTextBlock& block, int line);
    // Raises, moves or withdraws the never-closed finding from the states
    // the document's last lines end in.
    void settleDocumentEnd();
    // Paints a shown line again, for a change of its underline.
    void repaintLine(int line);
    // Checks the line again for its spans alone, and paints them.
    void paintAgain(const QTextBlock& block, int line);

    QTextDocument* doc;
    QString fileName;
    bool paused = false;
    DocumentKind kind = DocumentKind::Remote;
    MslChecker checker;
    LineCheckResult result; // reused from line to line to spare allocations
    LineRecords records;
    std::vector<bool> shown; // per line: once given colours, kept current
    std::future<CheckedText> arriving;
    bool documentEndUnsettled = false; // a line at or after the finding's was checked again
};
