#pragma once

#include <QAction>
#include <QApplication>
#include <QList>
#include <QMenu>
#include <QString>
#include <QTimer>

#include <functional>

// What a popup menu showed: one row per entry, a submenu's entries named
// "Submenu/Entry", separators left out.
struct MenuEntryState {
    QString path;
    bool checkable = false;
    bool checked = false;
    bool enabled = true;
};

namespace MenuProbe {

inline void collect(QMenu* menu, const QString& prefix, QList<MenuEntryState>& entries, const QString& choose,
                    QAction*& chosen)
{
    for (QAction* action : menu->actions()) {
        if (action->isSeparator())
            continue;
        const QString path = prefix + action->text();
        entries.append({path, action->isCheckable(), action->isChecked(), action->isEnabled()});
        if (path == choose)
            chosen = action;
        if (action->menu())
            collect(action->menu(), path + QLatin1Char('/'), entries, choose, chosen);
    }
}

// Arm before the call that opens a menu. Records the menu's entries, runs
// `whileOpen` with the menu still open, closes it and then chooses the entry
// whose path is `choose` (nothing when empty or not found).
inline void answerNext(QObject* context, QList<MenuEntryState>& entries, const QString& choose,
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

inline QStringList paths(const QList<MenuEntryState>& entries)
{
    QStringList list;
    for (const MenuEntryState& entry : entries)
        list.append(entry.path);
    return list;
}

inline const MenuEntryState* find(const QList<MenuEntryState>& entries, const QString& path)
{
    for (const MenuEntryState& entry : entries) {
        if (entry.path == path)
            return &entry;
    }
    return nullptr;
}

} // namespace MenuProbe
