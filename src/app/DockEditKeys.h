#pragma once

#include <QList>
#include <QObject>

class QAction;
class QWidget;

// Keeps the Edit menu's shortcuts away from the docks: with a dock's list,
// tree or field focused, Delete, Ctrl+X, Ctrl+V, Ctrl+Z and the other Edit
// keys go to that widget as plain keys instead of acting, unseen, on the
// script at its caret. The menu entries themselves still act on the script.
class DockEditKeys : public QObject {
public:
    DockEditKeys(const QList<QAction*>& editActions, QObject* parent);

    // Every key pressed inside the dock is kept in it.
    void guard(QWidget* dock);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QList<QAction*> actions;
};
