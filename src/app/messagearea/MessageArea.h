#pragma once

#include <QTabWidget>

class DiagnosticListModel;
struct DiagnosticRow;
class MslSyntaxHighlighter;
class QModelIndex;
class QTreeView;

// The contents of the "Message Area" dock: the "Debug" tab lists the
// checker's information, warnings and errors, the "Messages" tab its task
// markers, for every document handed to it. The rows are read from each
// document's checker and follow it: they come and go with the diagnostics
// of its lines, move with lines inserted or removed above them, carry the
// document's current file name and leave with the document. A double click
// asks for the place in the document; a right click offers to copy the row
// as text. A third tab, "References", opens for the places Find References
// lists.
class MessageArea : public QTabWidget {
    Q_OBJECT
public:
    explicit MessageArea(QWidget* parent = nullptr);

    QTreeView* debugView() const { return debugList; }
    QTreeView* messageView() const { return messageList; }
    DiagnosticListModel* debugModel() const { return debugRows; }
    DiagnosticListModel* messageModel() const { return messageRows; }

    // Lists what the checker's document raises, from now until the checker
    // is destroyed.
    void addDocument(const MslSyntaxHighlighter* checker);

    // Lists the places Find References found in the "References" tab (made
    // current), instead of what it listed before.
    void showReferences(const QVector<DiagnosticRow>& rows);

signals:
    // A row was double-clicked: the document should show line `line`
    // (1-based), column `column` as the checker reported them. A row no
    // checker raised (a reference) names the place by its file alone.
    void gotoRequested(const MslSyntaxHighlighter* checker, const QString& file, int line, int column);

private:
    QTreeView* createList(DiagnosticListModel* model, const QString& copyEntry);
    // Lists the diagnostics of lines first..last (0-based) in place of what
    // was listed for them.
    void relist(const MslSyntaxHighlighter* checker, int first, int last);
    void linesInserted(const MslSyntaxHighlighter* checker, int first, int count);
    void linesRemoved(const MslSyntaxHighlighter* checker, int first, int count);
    void renamed(const MslSyntaxHighlighter* checker, const QString& file);
    void forget(const void* checker);
    void requestGoto(const DiagnosticListModel* model, const QModelIndex& index);
    void showCopyMenu(QTreeView* view, DiagnosticListModel* model, const QString& entry, const QPoint& point);

    DiagnosticListModel* debugRows = nullptr;
    DiagnosticListModel* messageRows = nullptr;
    QTreeView* debugList = nullptr;
    QTreeView* messageList = nullptr;
    DiagnosticListModel* referenceRows = nullptr; // with referenceList, made on the first use
    QTreeView* referenceList = nullptr;
};
