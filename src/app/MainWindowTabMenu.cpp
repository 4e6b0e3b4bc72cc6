#include "MainWindow.h"

#include <QMenu>
#include <QTabBar>
#include <QTabWidget>

void MainWindow::tabContextMenu(const QPoint& point)
{
    // Only a tab itself offers the menu; the empty bar and the documents'
    // bodies do not.
    QTabBar* bar = tabs->tabBar();
    const int index = bar->tabAt(bar->mapFrom(tabs, point));
    if (index < 0)
        return;
    QWidget* clicked = tabs->widget(index);

    QMenu menu(this);
    QAction* close = menu.addAction(tr("Close"));
    QAction* closeAll = menu.addAction(tr("Close All Tabs"));
    QAction* closeOthers = menu.addAction(tr("Close All But This Tabs"));
    QAction* chosen = menu.exec(tabs->mapToGlobal(point));
    if (chosen == close)
        clicked->close();
    else if (chosen == closeAll)
        closeAllFiles();
    else if (chosen == closeOthers)
        closeEveryWindowExcept(clicked);
}
