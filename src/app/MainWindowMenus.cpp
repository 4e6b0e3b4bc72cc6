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
        const ToolbarActionSpec& spec = mainToolbarActions[i];
        QAction* action = makeAction(spec.text, nullptr, spec.icon);
        connect(action, &QAction::triggered, this, spec.slot);
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
        const ControlCodeSpec& spec = controlCodes[i];
        QAction* action = makeAction(spec.text, nullptr, spec.icon);
        action->setEnabled(false);
        connect(action, &QAction::triggered, this, spec.slot);
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
        const MenuItemSpec& spec = menuBarItems[i];
        switch (spec.kind) {
        case MenuItemSpec::Menu:
            topMenu = bar->addMenu(QString::fromUtf8(spec.text));
            current = topMenu;
            if (spec.aboutToShow)
                connect(topMenu, &QMenu::aboutToShow, this, spec.aboutToShow);
            break;
        case MenuItemSpec::Submenu:
            current = topMenu->addMenu(QString::fromUtf8(spec.text));
            break;
        case MenuItemSpec::EndSubmenu:
            current = topMenu;
            break;
        case MenuItemSpec::Separator:
            current->addSeparator();
            break;
        case MenuItemSpec::ControlCodes:
            for (int c = 0; c < controlCodeCount; ++c) {
                const ControlCodeSpec& code = controlCodes[c];
                QAction* action = makeAction(code.text, code.shortcut, code.icon);
                action->setEnabled(false);
                connect(action, &QAction::triggered, this, code.slot);
                current->addAction(action);
                // The menu's six come before the toolbar's six in the block.
                controlCodeActions.insert(c, action);
            }
            break;
        case MenuItemSpec::Action: {
            QAction* action = makeAction(spec.text, spec.shortcut, spec.icon);
            action->setEnabled(spec.enabled);
            action->setCheckable(spec.checkable);
            if (spec.onTriggered)
                connect(action, &QAction::triggered, this, spec.onTriggered);
            if (spec.onToggled)
                connect(action, &QAction::toggled, this, spec.onToggled);
            if (spec.store)
                this->*spec.store = action;
            current->addAction(action);
            break;
        }
        }
    }
    setMenuBar(bar);
}
