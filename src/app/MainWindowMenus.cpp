#include "MainWindow.h"

#include <QAction>
#include <QIcon>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>

QAction* MainWindow::makeAction(const char* text, const char* shortcut, const char* icon)
{
    auto* action = new QAction(QString::fromUtf8(text), this);
    if (shortcut)
        action->setShortcut(QKeySequence(QString::fromLatin1(shortcut)));
    if (icon)
        action->setIcon(QIcon(QString::fromLatin1(mainIconFolder) + QString::fromLatin1(icon)));
    return action;
}

void MainWindow::buildMainToolbar()
{
    mainToolbar = new QToolBar(tr("Main Menubar"), this);
    mainToolbar->setObjectName(QStringLiteral("mainToolbar"));
    mainToolbar->setIconSize(QSize(16, 16));
    for (int i = 0; i < mainToolbarActionCount; ++i) {
        const ToolbarActionEntry& entry = mainToolbarActions[i];
        QAction* action = makeAction(entry.text, nullptr, entry.icon);
        connect(action, &QAction::triggered, this, entry.slot);
        mainToolbar->addAction(action);
    }
    addToolBar(Qt::TopToolBarArea, mainToolbar);
}

void MainWindow::buildFormatToolbar()
{
    formatToolbar = new QToolBar(tr("Format Toolbar"), this);
    formatToolbar->setObjectName(QStringLiteral("colorToolbar"));
    formatToolbar->setIconSize(QSize(16, 16));
    for (int i = 0; i < controlCodeCount; ++i) {
        const ControlCodeEntry& entry = controlCodes[i];
        QAction* action = makeAction(entry.text, nullptr, entry.icon);
        action->setEnabled(false);
        connect(action, &QAction::triggered, this, entry.slot);
        formatToolbar->addAction(action);
        controlCodeActions.append(action);
    }
    addToolBar(Qt::TopToolBarArea, formatToolbar);
}

void MainWindow::buildMenuBar()
{
    auto* bar = new QMenuBar(this);
    QMenu* topMenu = nullptr;
    QMenu* current = nullptr;

    for (int i = 0; i < menuBarItemCount; ++i) {
        const MenuItemEntry& entry = menuBarItems[i];
        switch (entry.kind) {
        case MenuItemEntry::Menu:
            topMenu = bar->addMenu(QString::fromUtf8(entry.text));
            current = topMenu;
            if (entry.aboutToShow)
                connect(topMenu, &QMenu::aboutToShow, this, entry.aboutToShow);
            break;
        case MenuItemEntry::Submenu: current = topMenu->addMenu(QString::fromUtf8(entry.text)); break;
        case MenuItemEntry::EndSubmenu: current = topMenu; break;
        case MenuItemEntry::Separator: current->addSeparator(); break;
        case MenuItemEntry::ControlCodes:
            for (int c = 0; c < controlCodeCount; ++c) {
                const ControlCodeEntry& code = controlCodes[c];
                QAction* action = makeAction(code.text, code.shortcut, code.icon);
                action->setEnabled(false);
                connect(action, &QAction::triggered, this, code.slot);
                current->addAction(action);
                // The menu's six come before the toolbar's six in the block.
                controlCodeActions.insert(c, action);
            }
            break;
        case MenuItemEntry::Action: {
            QAction* action = makeAction(entry.text, entry.shortcut, entry.icon);
            if (!QKeySequence::keyBindings(entry.standardShortcut).isEmpty())
                action->setShortcuts(entry.standardShortcut);
            action->setEnabled(entry.enabled);
            action->setCheckable(entry.checkable);
            if (entry.onTriggered)
                connect(action, &QAction::triggered, this, entry.onTriggered);
            if (entry.onToggled)
                connect(action, &QAction::toggled, this, entry.onToggled);
            if (entry.store)
                this->*entry.store = action;
            current->addAction(action);
            break;
        }
        }
    }
    setMenuBar(bar);
}
