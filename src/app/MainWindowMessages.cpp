#include "MainWindow.h"

#include "app/messagearea/MessageArea.h"

// The message dock's lists are kept by MessageArea; the main window is where
// the script windows' checkers and the lists' views are connected, so each
// report reaches the one message area of the program.

void MainWindow::updateError(int lineNum, int linePos, const QString& fname, const QString& block, const QString& id,
                             int type, const QString& err, int& errId)
{
    messageArea->updateError(lineNum, linePos, fname, block, id, type, err, errId);
}

void MainWindow::removeError(QVector<int>& errIds)
{
    messageArea->removeError(errIds);
}

void MainWindow::editorErrUpdate(const QFileInfo& filename, MdiChildEditor* win)
{
    messageArea->editorErrUpdate(filename, win);
}

void MainWindow::editorFclosed(const QFileInfo& filename)
{
    messageArea->editorFclosed(filename);
}

void MainWindow::debugDClick(const QModelIndex& index)
{
    messageArea->debugDClick(index);
}

void MainWindow::statusDClick(const QModelIndex& index)
{
    messageArea->statusDClick(index);
}

void MainWindow::customDebugMenu(const QPoint& point)
{
    messageArea->customDebugMenu(point);
}

void MainWindow::customMessageMenu(const QPoint& point)
{
    messageArea->customMessageMenu(point);
}
