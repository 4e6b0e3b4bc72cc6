#pragma once

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QString>
#include <QStringList>
#include <QTimer>

#include <functional>

// What a popup menu showed, one entry a line: a submenu's entries named
// "Submenu/Entry", followed by " [x]" or " [ ]" when they can be checked
// and by " (off)" when disabled; separators are left out.
namespace MenuProbe {

inline void collect(QMenu* menu, const QString& prefix, QStringList& entries, const QString& choose, QAction*& chosen)
{
    for (QAction* action : menu->actions()) {
        if (action->isSeparator())
            continue;
        const QString path = prefix + action->text();
        entries << path
                + (!action->isCheckable()    ? ""
                       : action->isChecked() ? " [x]"
                                             : " [ ]")
                + (action->isEnabled() ? "" : " (off)");
        if (path == choose)
            chosen = action;
        if (action->menu())
            collect(action->menu(), path + QLatin1Char('/'), entries, choose, chosen);
    }
}

// Arm before the call that opens a menu. Records the menu's entries, runs
// `whileOpen` with the menu still open, closes it and then chooses the entry
// whose path is `choose` (nothing when empty or not found).
inline void answerNext(QObject* context, QStringList& entries, const QString& choose,
                       std::function<void()> whileOpen = {})
{
    QTimer::singleShot(0, context, [&entries, choose, whileOpen] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (!menu)
            return;
        QAction* chosen = nullptr;
        collect(menu, QString(), entries, choose, chosen);
        if (whileOpen)
            whileOpen();
        menu->close();
        if (chosen && chosen->isEnabled())
            chosen->trigger();
    });
}

} // namespace MenuProbe
