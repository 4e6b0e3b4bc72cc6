#pragma once

#include "ScriptTableLink.h"
#include "dialogtable/DialogDesign.h"

#include <QMainWindow>
#include <QString>

class MdiChildDialogDummy;
class PropertyPanel;
class QAction;
class QDockWidget;
class QLabel;
class QLineEdit;
class QMdiArea;
class QMdiSubWindow;
class QPlainTextEdit;
class QUndoStack;

// The document window of the dialog designer: the canvas inside an MDI area
// of its own, framed by the object toolbar (grid, snapping, selection, code
// generation), the toolbox of controls to drag, the property panel and a
// status bar with the cursor position and the dialog size.
class MdiChildBuilder : public QMainWindow {
    Q_OBJECT
public:
    explicit MdiChildBuilder(QWidget* parent = nullptr);
    ~MdiChildBuilder() override;

    MdiChildDialogDummy* canvas() const { return dialog; }
    PropertyPanel* propertyPanel() const { return panel; }
    QLineEdit* valueEdit() const;
    QLabel* objectLabel() const;
    QAction* toolbarAction(const QString& text) const;
    // The canvas's undo steps, for the main window's Edit menu.
    QUndoStack* undoStack() const;

    // Puts the dialog table around the script editor's caret on the canvas;
    // Generate Code then writes the table back into that script. False, with
    // the canvas untouched, when the caret is outside every dialog table.
    bool openTable(QPlainTextEdit* script);
    // Links the design to the table it has just been written as, at the top
    // of a new script (the code of codeGenerated()): the next Generate Code
    // replaces that table.
    void linkGeneratedScript(QPlainTextEdit* script);
    // The name of the dialog table the window was opened on; "" for none.
    QString tableName() const { return link.isLinked() ? link.table().name() : QString(); }
    // What the canvas holds now.
    DialogDesign design() const;
    // True when the canvas holds what no Generate Code has written yet
    // (since the window opened, or since the table was read).
    bool hasUngeneratedChanges() const { return !(design() == generatedDesign); }

public slots:
    void newSelection(QWidget* obj, const QString& str);
    void showGridTriggered(bool on);
    void incGridSize();
    void decGridSize();
    void generateCode();

signals:
    // Emitted while the window is destroyed, so its owner can forget it.
    void closing(MdiChildBuilder* win);
    // The generated table, for a new script, when there is no script table
    // to replace.
    void codeGenerated(const QString& code);

private:
    void buildObjectToolbar();
    void buildToolbox();
    void buildPropertyPanel();
    void buildStatusBar();
    QDockWidget* makeDock(const QString& title);
    void showDesign(const DialogDesign& design);
    void resizeCanvas(const QSize& size);
    // The grid-size actions are enabled while the grid shows and has room
    // to grow or shrink.
    void updateGridActions();

    QMdiArea* innerArea = nullptr;
    QMdiSubWindow* canvasWindow = nullptr;
    MdiChildDialogDummy* dialog = nullptr;
    QDockWidget* toolboxDock = nullptr;
    QDockWidget* propertyDock = nullptr;
    PropertyPanel* panel = nullptr;
    QAction* increaseGridAction = nullptr;
    QAction* decreaseGridAction = nullptr;
    QAction* writeSkeletonsAction = nullptr;

    ScriptTableLink link;
    bool wroteTable = false; // the linked table is one this window generated
    // The size the table gave the dialog, and the size the canvas shows for
    // it (no smaller than the canvas's minimum): while the canvas keeps the
    // second, the first is written back.
    QSize tableSize;
    QSize shownSize;
    // The design the last Generate Code wrote, or the one first shown.
    DialogDesign generatedDesign;
};
