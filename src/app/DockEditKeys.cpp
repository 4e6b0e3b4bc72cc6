#include "DockEditKeys.h"

#include <QAction>
#include <QKeyEvent>
#include <QWidget>

DockEditKeys::DockEditKeys(const QList<QAction*>& editActions, QObject* parent)
    : QObject(parent)
    , actions(editActions)
{
}

void DockEditKeys::guard(QWidget* dock)
{
    // A key the focused widget leaves alone travels up to the dock, where
    // this filter sees it before any shortcut does.
    dock->installEventFilter(this);
}

bool DockEditKeys::eventFilter(QObject* /*watched*/, QEvent* event)
{
    if (event->type() != QEvent::ShortcutOverride)
        return false;
    const QKeySequence pressed(static_cast<QKeyEvent*>(event)->keyCombination());
    for (const QAction* action : std::as_const(actions)) {
        for (const QKeySequence& shortcut : action->shortcuts()) {
            if (shortcut.matches(pressed) == QKeySequence::ExactMatch) {
                // Taken as the widget's own key: it arrives as a key press.
                event->accept();
                return true;
            }
        }
    }
    return false;
}
