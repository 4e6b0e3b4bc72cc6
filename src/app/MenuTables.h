#pragma once

#include <QKeySequence>

class MainWindow;
class QAction;

// Plain descriptions of the main window's menus and toolbars. The tables
// themselves are static members of MainWindow (so they may name its private
// action pointers) and live in files of their own; MainWindowMenus.cpp turns
// them into widgets.

// Folder of the icons named by the menu and toolbar tables.
inline constexpr const char mainIconFolder[] = ":/general/toolbar/resources/img_assets/options/main/";

struct MenuItemEntry {
    enum Kind {
        Menu,       // starts a top-level menu (text, aboutToShow)
        Submenu,    // starts a submenu of the current menu (text)
        EndSubmenu, // returns to the enclosing menu
        Action,     // one entry
        Separator,
        ControlCodes, // the six control-code entries, with their shortcuts
    };

    Kind kind;
    const char* text = nullptr;
    const char* shortcut = nullptr; // portable key-sequence text, or none
    const char* icon = nullptr;     // file in mainIconFolder, or none
    bool enabled = true;            // at creation
    bool checkable = false;
    void (MainWindow::*onTriggered)() = nullptr;
    void (MainWindow::*onToggled)(bool) = nullptr;
    QAction* MainWindow::*store = nullptr;       // where the window keeps the action
    void (MainWindow::*aboutToShow)() = nullptr; // Menu only
    // The platform's own shortcut for the entry; `shortcut` is used where
    // the platform has none.
    QKeySequence::StandardKey standardShortcut = QKeySequence::UnknownKey;
};

// One mIRC control code: the Edit menu's submenu and the format toolbar
// each build an action from every entry (the toolbar without the shortcut).
struct ControlCodeEntry {
    const char* text;
    const char* shortcut;
    const char* icon; // file in mainIconFolder
    void (MainWindow::*slot)();
};

struct ToolbarActionEntry {
    const char* text;
    const char* icon; // file in mainIconFolder
    void (MainWindow::*slot)();
};
