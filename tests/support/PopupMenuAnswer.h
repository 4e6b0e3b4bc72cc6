#pragma once

#include <QApplication>
#include <QMenu>
#include <QStringList>
#include <QTest>
#include <QTimer>

// A popup menu runs its own event loop, so it is answered from inside it:
// arm this before the call that opens the menu. Records the menu's entries
// in `entries` and picks the one at `row` (none when negative).
inline void answerNextMenu(QObject* context, int row, QStringList& entries)
{
    QTimer::singleShot(0, context, [&entries, row] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (!menu)
            return;
        for (const QAction* a : menu->actions())
            entries << a->text();
        for (int i = 0; i <= row; ++i)
            QTest::keyClick(menu, Qt::Key_Down);
        QTest::keyClick(menu, row < 0 ? Qt::Key_Escape : Qt::Key_Return);
    });
}
