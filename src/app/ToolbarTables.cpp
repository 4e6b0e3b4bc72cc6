#include "MainWindow.h"

#include <iterator>

using W = MainWindow;

// The mIRC control codes, in menu and toolbar order.
const ControlCodeEntry MainWindow::controlCodes[] = {
    {"Bold", "Ctrl+B", "format_bold.png", &W::insertBold},
    {"Italics", "Ctrl+I", "format_italics.png", &W::insertItalics},
    {"Underline", "Ctrl+U", "format_underline.png", &W::insertUnderline},
    {"Reverse", "Ctrl+R", "format_reverse.png", &W::insertReverse},
    {"Color", "Ctrl+K", "format_color.png", &W::insertColors},
    {"Plain Text", "Ctrl+O", "format_plain.png", &W::insertPlainText},
};
const int MainWindow::controlCodeCount = int(std::size(controlCodes));

// The main toolbar has actions of its own, so they stay enabled whatever the
// File menu's entries do.
const ToolbarActionEntry MainWindow::mainToolbarActions[] = {
    {"New", "page_white_add.png", &W::newFile},
    {"Open", "folder_page.png", &W::openFromFile},
    {"Save All", "save_all.png", &W::saveAll},
    {"Close", "page_white_delete.png", &W::closeFile},
};
const int MainWindow::mainToolbarActionCount = int(std::size(mainToolbarActions));
