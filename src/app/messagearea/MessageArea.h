#pragma once

#include "ListedIds.h"

#include <QFileInfo>
#include <QString>
#include <QTabWidget>
#include <QVector>

class DiagnosticListModel;
struct DiagnosticRow;
class MdiChildEditor;
class QTextDocument;
class QTreeView;

// The contents of the "Message Area" dock: the "Debug" tab lists the
// checker's information, warnings and errors, the "Messages" tab its task
// markers. Rows come and go as the checker raises and withdraws diagnostics
// while it highlights; a double click asks for the place in the script, a
// right click offers to copy the row as text. The main window connects the
// checkers and the two views' double clicks and context menus to the slots.
// A third tab, "References", opens for the places Find References lists.
class MessageArea : public QTabWidget {
    Q_OBJECT
public:
    explicit MessageArea(QWidget* parent = nullptr);

    QTreeView* debugView() const { return debugList; }
    QTreeView* messageView() const { return messageList; }
    DiagnosticListModel* debugModel() const { return debugRows; }
    DiagnosticListModel* messageModel() const { return messageRows; }

    // Sets the Line of the file's rows from the document: a row's line is the
    // first block whose checker record carries the row's id.
    void renumberLines(const QString& file, const QTextDocument* document);

    // Lists the places Find References found in the "References" tab (made
    // current), instead of what it listed before.
    void showReferences(const QVector<DiagnosticRow>& rows);

signals:
    // A row was double-clicked: the script window of `file` should show line
    // `line` (1-based), column `column` as the checker reported them.
    void gotoRequested(const QString& file, int line, int column);

public slots:
    // Lists a diagnostic and returns its id through errId: one more than the
    // largest id listed in either tab, 2 when both are empty.
    void updateError(int lineNum, int linePos, const QString& fname, const QString& block, const QString& id, int type,
                     const QString& err, int& errId);
    void removeError(QVector<int>& errIds);
    void editorErrUpdate(const QFileInfo& filename, MdiChildEditor* win);
    void editorFclosed(const QFileInfo& filename);
    void debugDClick(const QModelIndex& index);
    void statusDClick(const QModelIndex& index);
    void customDebugMenu(const QPoint& point);
    void customMessageMenu(const QPoint& point);

private:
    QTreeView* createList(DiagnosticListModel* model);
    void requestGoto(const DiagnosticListModel* model, const QModelIndex& index);
    void showCopyMenu(QTreeView* view, DiagnosticListModel* model, const QString& entry, const QPoint& point);
    void forgetIds(const QVector<int>& ids);

    DiagnosticListModel* debugRows = nullptr;
    DiagnosticListModel* messageRows = nullptr;
    QTreeView* debugList = nullptr;
    QTreeView* messageList = nullptr;
    DiagnosticListModel* referenceRows = nullptr; // with referenceList, made on the first use
    QTreeView* referenceList = nullptr;
    ListedIds listedIds;
};
