#include "MainWindow.h"

#include <iterator>

// The menu bar, entry by entry. Disabled entries are switched on by the
// Edit/View enabling rules and by the tab changes.
using K = MenuItemEntry;
using W = MainWindow;

const MenuItemEntry MainWindow::menuBarItems[] = {
    {K::Menu, "&File"},
    {K::Action, "&New", "Ctrl+N", nullptr, true, false, &W::newFile},
    {K::Action, "&Open...", "Ctrl+Shift+O", nullptr, true, false, &W::openFromFile},
    {K::Action, "Open As &Read-Only", "Ctrl+Alt+O", nullptr, true, false, &W::openFromFileRO},
    {K::Separator},
    // Ctrl+Shift+S is Save As on the desktops that name one, so it is
    // Save As where the platform names none.
    {K::Action, "Save &As...", "Ctrl+Shift+S", nullptr, true, false, &W::saveAsClicked, nullptr, nullptr, nullptr,
     QKeySequence::SaveAs},
    {K::Action, "Save A&ll", "Ctrl+Alt+S", "save_all.png", true, false, &W::saveAll},
    {K::Separator},
    {K::Action, "&Close", "Ctrl+W", nullptr, true, false, &W::closeFile, nullptr, &W::closeAction},
    {K::Action, "Clos&e All", "Ctrl+Shift+W", nullptr, true, false, &W::closeAllFiles, nullptr, &W::closeAllAction},
    {K::Action, "Close &All But Active", "Ctrl+Shift+Alt+W", nullptr, true, false, &W::closeAllButActive, nullptr,
     &W::closeAllButActiveAction},
    {K::Separator},
    {K::Action, "E&xit", "Ctrl+Q", "exit.png", true, false, &W::exitProgram},

    {K::Menu, "&Edit", nullptr, nullptr, true, false, nullptr, nullptr, nullptr, &W::editMenuAboutToShow},
    {K::Action, "&Undo", "Ctrl+Z", "undo.png", false, false, &W::undoClicked, nullptr, &W::undoAction},
    {K::Action, "&Redo", "Ctrl+Shift+Z", "redo.png", false, false, &W::redoClicked, nullptr, &W::redoAction},
    {K::Separator},
    {K::Action, "Cu&t", "Ctrl+X", "cut.png", false, false, &W::cutClicked, nullptr, &W::cutAction},
    {K::Action, "&Copy", "Ctrl+C", "copy.png", false, false, &W::copyClicked, nullptr, &W::copyAction},
    {K::Action, "&Paste", "Ctrl+V", "paste.png", false, false, &W::pasteClicked, nullptr, &W::pasteAction},
    {K::Action, "&Delete", "Del", "delete.png", false, false, &W::deleteClicked, nullptr, &W::deleteAction},
    {K::Action, "Select &All", "Ctrl+A", nullptr, false, false, &W::selectAllClicked, nullptr, &W::selectAllAction},
    {K::Separator},
    {K::Submenu, "Insert Control Codes"},
    {K::ControlCodes},
    {K::EndSubmenu},
    {K::Separator},
    {K::Action, "Find/Replace", nullptr, nullptr, false, false, &W::findReplaceClicked, nullptr, &W::findReplaceAction},
    // The script window's own Check Brackets action holds Ctrl+H.
    {K::Action, "Check Brackets", nullptr, nullptr, false, false, &W::checkBracketsClicked, nullptr,
     &W::checkBracketsAction},
    {K::Separator},
    {K::Action, "Go to Definition", "F12", nullptr, true, false, &W::goToDefinition},
    {K::Action, "Find References", "Shift+F12", nullptr, true, false, &W::findReferences},

    {K::Menu, "&View", nullptr, nullptr, true, false, nullptr, nullptr, nullptr, &W::updateFoldActions},
    {K::Action, "Always on Top", nullptr, nullptr, true, true, nullptr, &W::setOnTop, &W::alwaysOnTopAction},
    {K::Separator},
    {K::Action, "Word wrap", nullptr, nullptr, true, true, nullptr, &W::setWordWrap, &W::wordWrapAction},
    {K::Separator},
    {K::Action, "&Fold All Blocks", "Alt+0", nullptr, false, false, &W::setFoldAll, nullptr, &W::foldAllAction},
    {K::Action, "&Unfold All Blocks", "Alt+Shift+0", nullptr, false, false, &W::setUnfoldAll, nullptr,
     &W::unfoldAllAction},
    {K::Action, "&Collapse Current Block", "Ctrl+Alt+F", nullptr, false, false, &W::setFoldCurrent, nullptr,
     &W::foldCurrentAction},
    {K::Action, "&UnCollapse Current Block", "Ctrl+Alt+Shift+F", nullptr, false, false, &W::setUnfoldCurrent, nullptr,
     &W::unfoldCurrentAction},

    {K::Menu, "&Window"},
    {K::Action, "Sync Bar", nullptr, nullptr, true, true, nullptr, &W::showSyncBar, &W::syncBarAction},
    {K::Action, "Debug Window", nullptr, nullptr, true, true, nullptr, &W::showMessageBar, &W::debugWindowAction},
    {K::Separator},
    {K::Submenu, "Toolbars"},
    {K::Action, "Main Toolbar", nullptr, nullptr, true, true, nullptr, &W::showMainToolbar, &W::mainToolbarAction},
    {K::Action, "Format Toolbar", nullptr, nullptr, true, true, nullptr, &W::showFormatToolbar,
     &W::formatToolbarAction},
    {K::EndSubmenu},

    {K::Menu, "&Help"},
    {K::Action, "Check For Updates", nullptr, nullptr, true, false, &W::checkForUpdatesClick, nullptr,
     &W::checkForUpdatesAction},
    {K::Action, "&About", nullptr, "info.png", true, false, &W::showAbout},
};

const int MainWindow::menuBarItemCount = int(std::size(menuBarItems));
