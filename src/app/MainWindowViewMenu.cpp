#include "MainWindow.h"

#include "checker/core/BlockState.h"
#include "editor/MslTextEditor.h"
#include "editorwindow/MdiChildEditor.h"

#include <QAction>
#include <QDockWidget>
#include <QTextBlock>
#include <QToolBar>

void MainWindow::updateFoldActions()
{
    MdiChildEditor* win = currentScriptWindow();
    foldAllAction->setEnabled(win != nullptr);
    unfoldAllAction->setEnabled(win != nullptr);
    // Only a line inside a component can be collapsed or uncollapsed.
    const bool inBody = win && win->getEditor()->textCursor().block().userState() > BlockState::lastRootLevel;
    foldCurrentAction->setEnabled(inBody);
    unfoldCurrentAction->setEnabled(inBody);
}

void MainWindow::setOnTop(bool on)
{
    // Changing a window flag hides a top-level window; show it again.
    setWindowFlag(Qt::WindowStaysOnTopHint, on);
    show();
}

void MainWindow::applyWordWrap(MdiChildEditor* win, bool wrap)
{
    // Both switches: lines break at the widget's width, and only between
    // words; off, neither breaks a line.
    MslTextEditor* editor = win->getEditor();
    editor->setLineWrapMode(wrap ? QPlainTextEdit::WidgetWidth : QPlainTextEdit::NoWrap);
    editor->setWordWrapMode(wrap ? QTextOption::WordWrap : QTextOption::NoWrap);
}

void MainWindow::setWordWrap(bool wrap)
{
    for (MdiChildEditor* win : std::as_const(editorWindows))
        applyWordWrap(win, wrap);
}

void MainWindow::setFoldAll()
{
    if (MdiChildEditor* win = currentScriptWindow())
        win->getEditor()->foldAll();
}

void MainWindow::setUnfoldAll()
{
    if (MdiChildEditor* win = currentScriptWindow())
        win->getEditor()->unfoldAll();
}

void MainWindow::setFoldCurrent()
{
    if (MdiChildEditor* win = currentScriptWindow())
        win->getEditor()->foldCurrent();
}

void MainWindow::setUnfoldCurrent()
{
    if (MdiChildEditor* win = currentScriptWindow())
        win->getEditor()->unfoldCurrent();
}

void MainWindow::showSyncBar(bool show)
{
    syncDock->setVisible(show);
}

void MainWindow::showMessageBar(bool show)
{
    messageDock->setVisible(show);
}

void MainWindow::showMainToolbar(bool show)
{
    mainToolbar->setVisible(show);
}

void MainWindow::showFormatToolbar(bool show)
{
    formatToolbar->setVisible(show);
}
