#pragma once

#include "checker/core/LineCheckResult.h"
#include "checker/core/MslChecker.h"
#include "checker/records/LineRecords.h"

#include <QString>
#include <QSyntaxHighlighter>

class QTextBlock;
class QTextDocument;

// Adapts the checker core to one QTextDocument: for every line it runs the
// core, paints the spans with the shared formats and keeps what the line
// recorded (header, identifiers, diagnostics) in the document's line records,
// which it alone writes. A document that ends inside a block (or a comment
// outside blocks) has the checker's never-closed finding listed with the
// diagnostics of the header line that opened it, and that line underlined
// as an error, for as long as it ends so. Readers ask it for a line's record and
// follow the diagnostics through its signals; line numbers are 0-based.
class MslSyntaxHighlighter : public QSyntaxHighlighter {
    Q_OBJECT
public:
    explicit MslSyntaxHighlighter(QTextDocument* document);
    ~MslSyntaxHighlighter() override;

    // The name the document's diagnostics are listed under.
    void setFileName(const QString& name);
    QString getFileName() const { return fileName; }

    // What the document holds; checking follows it. Changing it checks the
    // whole document again.
    void setDocumentKind(DocumentKind kind);
    DocumentKind documentKind() const { return kind; }

    void pauseHighlighting();
    void resumeHighlighting();
    bool isPaused() const { return paused; }

    const LineRecord& recordAt(const QTextBlock& block) const;
    const LineRecord& recordAt(int line) const { return records.at(line); }
    int lineCount() const { return records.lineCount(); }

signals:
    // The diagnostics of lines first..last were replaced.
    void diagnosticsChanged(int first, int last);
    // Lines moved: `count` lines were inserted before line `first`, or
    // removed from it on, with whatever they recorded. The lines around are
    // checked again afterwards as usual.
    void linesInserted(int first, int count);
    void linesRemoved(int first, int count);
    void fileNameChanged(const QString& name);

protected:
    void highlightBlock(const QString& text) override;

private:
    // Keeps one record per block: connected ahead of the re-highlighting, so
    // the records have moved with their lines before any line is checked.
    void followEdit(int position, int charsRemoved, int charsAdded);
    void applyFormats();
    // Raises, moves or withdraws the never-closed finding from the states
    // the document's last lines end in.
    void settleDocumentEnd();
    // Adds the error underline to what the line is painted with.
    void underlineLine(int length);
    // Paints the line again once the current edit is done.
    void repaintLater(int line);

    QString fileName;
    bool paused = false;
    DocumentKind kind = DocumentKind::Remote;
    MslChecker checker;
    LineCheckResult result; // reused from line to line to spare allocations
    LineRecords records;
    bool documentEndUnsettled = false; // a line at or after the finding's was checked again
};
