#pragma once

#include "checker/core/LineCheckResult.h"
#include "checker/core/MslChecker.h"

#include <QString>
#include <QSyntaxHighlighter>
#include <QVector>

class CBlockData;
class QTextDocument;

// Adapts the checker core to one QTextDocument: for every line it withdraws
// the line's old diagnostics, runs the core, paints the spans with the shared
// formats, fills the line's CBlockData, raises the new diagnostics and sets
// the block state.
class MslSyntaxHighlighter : public QSyntaxHighlighter {
    Q_OBJECT
public:
    explicit MslSyntaxHighlighter(QTextDocument* document);

    void setFileName(const QString& name);
    QString getFileName() const { return fileName; }

    // What the document holds; checking follows it. Changing it checks the
    // whole document again.
    void setDocumentKind(DocumentKind kind);
    DocumentKind documentKind() const { return kind; }

    void pauseHighlighting();
    void resumeHighlighting();
    bool isPaused() const { return paused; }

signals:
    void updateError(int lineNum, int linePos, QString fname, QString block, QString id, int type, QString err,
                     int& errId);
    void removeError(QVector<int>& errIds);

public slots:
    void remError(QVector<int>& errIds);

protected:
    void highlightBlock(const QString& text) override;

private:
    void addError(int type, int linePos, const QString& block, const QString& message);
    void resetBlockData();
    void applyFormats();
    void recordHeader();
    CBlockData* blockData();

    QString fileName;
    bool paused = false;
    DocumentKind kind = DocumentKind::Remote;
    MslChecker checker;
    LineCheckResult result; // reused from line to line to spare allocations
};
