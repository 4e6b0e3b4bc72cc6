#include "MainWindow.h"

#include "designer/MdiChildBuilder.h"
#include "designer/MdiChildDialogDummy.h"
#include "editor/MslTextEditor.h"
#include "editorwindow/MdiChildEditor.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QUndoStack>

MdiChildEditor* MainWindow::currentScriptWindow() const
{
    return qobject_cast<MdiChildEditor*>(currentWindow);
}

MdiChildBuilder* MainWindow::currentDesignerWindow() const
{
    return qobject_cast<MdiChildBuilder*>(currentWindow);
}

void MainWindow::designerEditActionsUpdate()
{
    // The designer takes Undo, Redo and Delete (its selected control); the
    // text entries have nothing to act on there.
    MdiChildBuilder* builder = currentDesignerWindow();
    if (!builder)
        return;
    setEditActionsEnabled(false);
    undoAction->setEnabled(builder->undoStack()->canUndo());
    redoAction->setEnabled(builder->undoStack()->canRedo());
    deleteAction->setEnabled(builder->canvas()->selected() != nullptr);
}

MdiChildEditor* MainWindow::currentWritableScriptWindow() const
{
    MdiChildEditor* win = currentScriptWindow();
    return win && !win->isReadOnly() ? win : nullptr;
}

void MainWindow::setEditActionsEnabled(bool enabled)
{
    for (QAction* action : {undoAction, redoAction, cutAction, copyAction, pasteAction, deleteAction, selectAllAction,
                            findReplaceAction, checkBracketsAction})
        action->setEnabled(enabled);
    for (QAction* action : std::as_const(controlCodeActions))
        action->setEnabled(enabled);
}

void MainWindow::editMenuAboutToShow()
{
    if (currentDesignerWindow()) {
        designerEditActionsUpdate();
        return;
    }
    MdiChildEditor* win = currentScriptWindow();
    if (!win || win->getEditor()->isReadOnly()) {
        setEditActionsEnabled(false);
        return;
    }
    MslTextEditor* editor = win->getEditor();
    setEditActionsEnabled(true);
    undoAction->setEnabled(editor->document()->isUndoAvailable());
    redoAction->setEnabled(editor->document()->isRedoAvailable());
    const bool selection = editor->textCursor().hasSelection();
    cutAction->setEnabled(selection);
    copyAction->setEnabled(selection);
    pasteAction->setEnabled(!QApplication::clipboard()->text().isEmpty());
}

void MainWindow::editMenuUndoUpdate(bool available)
{
    undoAction->setEnabled(available);
}

void MainWindow::editMenuRedoUpdate(bool available)
{
    redoAction->setEnabled(available);
}

void MainWindow::editMenuSelectionUpdate()
{
    // Undo and Redo keep their state here: only opening the menu knows the
    // current document's undo stack. The shortcuts of these actions work
    // while the menu is closed, so a read-only document must switch off
    // every entry that would change its text here, not only in the menu.
    if (currentDesignerWindow()) {
        designerEditActionsUpdate();
        return;
    }
    MdiChildEditor* win = currentScriptWindow();
    const bool script = win != nullptr;
    const bool writable = script && !win->isReadOnly();
    const bool selection = script && win->getEditor()->textCursor().hasSelection();
    cutAction->setEnabled(selection && writable);
    copyAction->setEnabled(selection);
    pasteAction->setEnabled(!script || writable);
    deleteAction->setEnabled(writable);
    selectAllAction->setEnabled(script && win->getEditor()->document()->blockCount() > 0);
    findReplaceAction->setEnabled(script);
    checkBracketsAction->setEnabled(writable);
    for (QAction* action : std::as_const(controlCodeActions))
        action->setEnabled(writable);
}

void MainWindow::undoClicked()
{
    if (MdiChildBuilder* builder = currentDesignerWindow())
        builder->undoStack()->undo();
    else if (MdiChildEditor* win = currentWritableScriptWindow())
        win->getEditor()->undo();
}

void MainWindow::redoClicked()
{
    if (MdiChildBuilder* builder = currentDesignerWindow())
        builder->undoStack()->redo();
    else if (MdiChildEditor* win = currentWritableScriptWindow())
        win->getEditor()->redo();
}

void MainWindow::cutClicked()
{
    if (MdiChildEditor* win = currentWritableScriptWindow())
        win->getEditor()->cut();
}

void MainWindow::copyClicked()
{
    if (MdiChildEditor* win = currentScriptWindow())
        win->getEditor()->copy();
}

void MainWindow::pasteClicked()
{
    if (MdiChildEditor* win = currentWritableScriptWindow())
        win->getEditor()->paste();
}

void MainWindow::deleteClicked()
{
    if (MdiChildBuilder* builder = currentDesignerWindow()) {
        builder->canvas()->deleteSelected();
        return;
    }
    MdiChildEditor* win = currentWritableScriptWindow();
    if (!win)
        return;
    MslTextEditor* editor = win->getEditor();
    QTextCursor cursor = editor->textCursor();
    if (cursor.hasSelection())
        cursor.removeSelectedText();
    else
        cursor.deleteChar();
    editor->setTextCursor(cursor);
    editor->setFocus();
}

void MainWindow::selectAllClicked()
{
    if (MdiChildEditor* win = currentScriptWindow()) {
        win->getEditor()->selectAll();
        win->getEditor()->setFocus();
    }
}

void MainWindow::findReplaceClicked()
{
    if (MdiChildEditor* win = currentScriptWindow())
        win->openSearchBox();
}

void MainWindow::insertBold()
{
    if (MdiChildEditor* win = currentWritableScriptWindow())
        win->getEditor()->insertBold();
}

void MainWindow::insertItalics()
{
    if (MdiChildEditor* win = currentWritableScriptWindow())
        win->getEditor()->insertItalics();
}

void MainWindow::insertUnderline()
{
    if (MdiChildEditor* win = currentWritableScriptWindow())
        win->getEditor()->insertUnderline();
}

void MainWindow::insertReverse()
{
    if (MdiChildEditor* win = currentWritableScriptWindow())
        win->getEditor()->insertReverse();
}

void MainWindow::insertColors()
{
    if (MdiChildEditor* win = currentWritableScriptWindow())
        win->getEditor()->insertColors();
}

void MainWindow::insertPlainText()
{
    if (MdiChildEditor* win = currentWritableScriptWindow())
        win->getEditor()->insertPlainCode();
}

void MainWindow::checkBracketsClicked()
{
    if (MdiChildEditor* win = currentWritableScriptWindow())
        win->checkBrackets();
}
