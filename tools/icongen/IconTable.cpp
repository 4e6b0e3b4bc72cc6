#include "IconRoutines.h"

// Every picture the program asks the resource system for. The resource path
// is prefix + "/" + path; the file lives under resources/ at `file`.
// Accents: 0xAARRGGBB.

namespace {
constexpr QRgb blue = 0xff3478d6;
constexpr QRgb darkBlue = 0xff1e4896;
constexpr QRgb green = 0xff38a048;
constexpr QRgb red = 0xffd63c38;
constexpr QRgb orange = 0xfff08c24;
constexpr QRgb yellow = 0xfff6c81e;
constexpr QRgb grey = 0xff8c9096;
constexpr QRgb dark = 0xff3a404a;
constexpr QRgb purple = 0xff8048b4;
constexpr QRgb teal = 0xff189696;

} // namespace

using namespace Icons;

const IconEntry iconTable[] = {
    // Menus and the main toolbar
    {"/general/toolbar", "resources/img_assets/options/main/save.png", "img_assets/options/main/save.png", 16, 16, save, {blue, ""}},
    {"/general/toolbar", "resources/img_assets/options/main/save_all.png", "img_assets/options/main/save_all.png", 16, 16, saveAll, {blue, ""}},
    {"/general/toolbar", "resources/img_assets/options/main/exit.png", "img_assets/options/main/exit.png", 16, 16, exitDoor, {red, ""}},
    {"/general/toolbar", "resources/img_assets/options/main/undo.png", "img_assets/options/main/undo.png", 16, 16, undo, {blue, ""}},
    {"/general/toolbar", "resources/img_assets/options/main/redo.png", "img_assets/options/main/redo.png", 16, 16, redo, {blue, ""}},
    {"/general/toolbar", "resources/img_assets/options/main/cut.png", "img_assets/options/main/cut.png", 16, 16, cut, {red, ""}},
    {"/general/toolbar", "resources/img_assets/options/main/copy.png", "img_assets/options/main/copy.png", 16, 16, copy, {blue, ""}},
    {"/general/toolbar", "resources/img_assets/options/main/paste.png", "img_assets/options/main/paste.png", 16, 16, paste, {0xffb07840, ""}},
    {"/general/toolbar", "resources/img_assets/options/main/delete.png", "img_assets/options/main/delete.png", 16, 16, erase, {red, ""}},
    {"/general/toolbar", "resources/img_assets/options/main/format_bold.png", "img_assets/options/main/format_bold.png", 16, 16, letter, {dark, "B"}},
    {"/general/toolbar", "resources/img_assets/options/main/format_italics.png", "img_assets/options/main/format_italics.png", 16, 16, italicLetter, {dark, "I"}},
    {"/general/toolbar", "resources/img_assets/options/main/format_underline.png", "img_assets/options/main/format_underline.png", 16, 16, underlinedLetter, {dark, "U"}},
    {"/general/toolbar", "resources/img_assets/options/main/format_reverse.png", "img_assets/options/main/format_reverse.png", 16, 16, reverseColours, {dark, "R"}},
    {"/general/toolbar", "resources/img_assets/options/main/format_color.png", "img_assets/options/main/format_color.png", 16, 16, colourLetter, {dark, ""}},
    {"/general/toolbar", "resources/img_assets/options/main/format_plain.png", "img_assets/options/main/format_plain.png", 16, 16, plainText, {red, ""}},
    {"/general/toolbar", "resources/img_assets/options/main/info.png", "img_assets/options/main/info.png", 16, 16, information, {blue, ""}},
    {"/general/toolbar", "resources/img_assets/options/main/page_white_add.png", "img_assets/options/main/page_white_add.png", 16, 16, newPage, {green, ""}},
    {"/general/toolbar", "resources/img_assets/options/main/folder_page.png", "img_assets/options/main/folder_page.png", 16, 16, openFolder, {0, ""}},
    {"/general/toolbar", "resources/img_assets/options/main/page_white_delete.png", "img_assets/options/main/page_white_delete.png", 16, 16, closePage, {red, ""}},
    {"/general/toolbar", "resources/img_assets/editor/toolbar/bchecker.png", "img_assets/editor/toolbar/bchecker.png", 16, 16, bracketCheck, {green, ""}},

    // Document tabs
    {"/tabbar", "resources/img_assets/options/main/tabs/file.png", "img_assets/options/main/tabs/file.png", 16, 16, textPage, {0, ""}},
    {"/tabbar", "resources/img_assets/options/main/tabs/file-read-only.png", "img_assets/options/main/tabs/file-read-only.png", 16, 16, readOnlyPage, {0, ""}},
    {"/tabbar", "resources/img_assets/options/main/tabs/dialog.png", "img_assets/options/main/tabs/dialog.png", 16, 16, dialogWindow, {blue, ""}},

    // The type chooser shows its pictures at 28 x 25.
    {"/newFile", "resources/img_assets/new_type/blank.png", "img_assets/new_type/blank.png", 28, 25, blankPage, {0, ""}},
    {"/newFile", "resources/img_assets/new_type/dialog.png", "img_assets/new_type/dialog.png", 28, 25, dialogWindow, {blue, ""}},
    {"/newFile", "resources/img_assets/new_type/dialog_code.png", "img_assets/new_type/dialog_code.png", 28, 25, dialogCode, {blue, ""}},
    {"/newFile", "resources/img_assets/new_type/picwin.png", "img_assets/new_type/picwin.png", 28, 25, pictureWindow, {teal, ""}},
    {"/newFile", "resources/img_assets/new_type/scriptFile.png", "img_assets/new_type/scriptFile.png", 28, 25, scriptPage, {green, ""}},
    {"/newFile", "resources/img_assets/new_type/textFile.png", "img_assets/new_type/textFile.png", 28, 25, textPage, {0, ""}},

    // Message area: severities and the six task markers
    {"/messages/syntax", "resources/img_assets/messages/syntax/information.png", "img_assets/messages/syntax/information.png", 16, 16, information, {blue, ""}},
    {"/messages/syntax", "resources/img_assets/messages/syntax/warning.png", "img_assets/messages/syntax/warning.png", 16, 16, warning, {yellow, ""}},
    {"/messages/syntax", "resources/img_assets/messages/syntax/error.png", "img_assets/messages/syntax/error.png", 16, 16, error, {red, ""}},
    {"/messages/syntax/msgs", "resources/img_assets/messages/syntax/msgs/blue.png", "img_assets/messages/syntax/msgs/blue.png", 16, 16, taskFlag, {blue, ""}},
    {"/messages/syntax/msgs", "resources/img_assets/messages/syntax/msgs/green.png", "img_assets/messages/syntax/msgs/green.png", 16, 16, taskFlag, {green, ""}},
    {"/messages/syntax/msgs", "resources/img_assets/messages/syntax/msgs/grey.png", "img_assets/messages/syntax/msgs/grey.png", 16, 16, taskFlag, {0xffa0a4aa, ""}},
    {"/messages/syntax/msgs", "resources/img_assets/messages/syntax/msgs/orange.png", "img_assets/messages/syntax/msgs/orange.png", 16, 16, taskFlag, {orange, ""}},
    {"/messages/syntax/msgs", "resources/img_assets/messages/syntax/msgs/red.png", "img_assets/messages/syntax/msgs/red.png", 16, 16, taskFlag, {red, ""}},
    {"/messages/syntax/msgs", "resources/img_assets/messages/syntax/msgs/yellow.png", "img_assets/messages/syntax/msgs/yellow.png", 16, 16, taskFlag, {yellow, ""}},

    // Find bar
    {"/find", "resources/img_assets/editor/find/magnify.png", "img_assets/editor/find/magnify.png", 16, 16, magnify, {0xffd8e8f8, ""}},
    {"/find", "resources/img_assets/editor/find/search_green.png", "img_assets/editor/find/search_green.png", 16, 16, magnify, {green, ""}},
    {"/find", "resources/img_assets/editor/find/search_red.png", "img_assets/editor/find/search_red.png", 16, 16, magnify, {red, ""}},
    {"/find", "resources/img_assets/editor/find/search_blue.png", "img_assets/editor/find/search_blue.png", 16, 16, magnify, {blue, ""}},
    {"/find", "resources/img_assets/editor/find/search_orange.png", "img_assets/editor/find/search_orange.png", 16, 16, magnify, {orange, ""}},
    {"/find", "resources/img_assets/editor/find/previous.png", "img_assets/editor/find/previous.png", 16, 16, previous, {blue, ""}},
    {"/find", "resources/img_assets/editor/find/next.png", "img_assets/editor/find/next.png", 16, 16, next, {blue, ""}},
    {"/find", "resources/img_assets/editor/find/close.png", "img_assets/editor/find/close.png", 16, 16, closeCross, {0xff585e68, ""}},

    // Gutter fold markers
    {"/block", "resources/img_assets/editor/block/expanded.png", "img_assets/editor/block/expanded.png", 16, 16, foldOpen, {0xff707884, ""}},
    {"/block", "resources/img_assets/editor/block/right.png", "img_assets/editor/block/right.png", 16, 16, foldClosed, {0xff707884, ""}},
    {"/block", "resources/img_assets/editor/block/expanded2.png", "img_assets/editor/block/expanded2.png", 16, 16, groupOpen, {teal, ""}},
    {"/block", "resources/img_assets/editor/block/right2.png", "img_assets/editor/block/right2.png", 16, 16, groupClosed, {teal, ""}},

    // Completion popups
    {"/completer", "resources/img_assets/completer/builtident.png", "img_assets/completer/builtident.png", 16, 16, identifierTile, {blue, "$"}},
    {"/completer", "resources/img_assets/completer/customident.png", "img_assets/completer/customident.png", 16, 16, identifierTile, {green, "$"}},
    {"/completer", "resources/img_assets/completer/customlocalident.png", "img_assets/completer/customlocalident.png", 16, 16, localIdentifierTile, {green, "$"}},
    {"/completer", "resources/img_assets/completer/property.png", "img_assets/completer/property.png", 16, 16, property, {purple, ""}},

    // COM object names
    {"/completer/com", "resources/img_assets/com/com.png", "img_assets/com/com.png", 16, 16, letterTile, {grey, "C"}},
    {"/completer/com", "resources/img_assets/com/com.shell.png", "img_assets/com/com.shell.png", 16, 16, terminal, {0xff202428, ""}},
    {"/completer/com", "resources/img_assets/com/com.explorer.png", "img_assets/com/com.explorer.png", 16, 16, explorerFolder, {0, ""}},
    {"/completer/com", "resources/img_assets/com/com.win.png", "img_assets/com/com.win.png", 16, 16, windowsPanes, {red, ""}},
    {"/completer/com", "resources/img_assets/com/com.xml.png", "img_assets/com/com.xml.png", 16, 16, letterTile, {orange, "</>"}},
    {"/completer/com", "resources/img_assets/com/com.skype.png", "img_assets/com/com.skype.png", 16, 16, letterTile, {0xff00a8e8, "S"}},
    {"/completer/com", "resources/img_assets/com/com.itunes.png", "img_assets/com/com.itunes.png", 16, 16, musicNote, {0xffe04890, ""}},
    {"/completer/com", "resources/img_assets/com/com.app.png", "img_assets/com/com.app.png", 16, 16, applicationWindow, {blue, ""}},
    {"/completer/com", "resources/img_assets/com/com.snagit.png", "img_assets/com/com.snagit.png", 16, 16, letterTile, {0xffc02828, "Sn"}},
    {"/completer/com", "resources/img_assets/com/com.word.png", "img_assets/com/com.word.png", 16, 16, letterTile, {0xff2b5797, "W"}},
    {"/completer/com", "resources/img_assets/com/com.excel.png", "img_assets/com/com.excel.png", 16, 16, letterTile, {0xff1e7145, "X"}},
    {"/completer/com", "resources/img_assets/com/com.pp.png", "img_assets/com/com.pp.png", 16, 16, letterTile, {0xffd24726, "P"}},
    {"/completer/com", "resources/img_assets/com/com.access.png", "img_assets/com/com.access.png", 16, 16, letterTile, {0xffa4373a, "A"}},
    {"/completer/com", "resources/img_assets/com/com.ie.png", "img_assets/com/com.ie.png", 16, 16, letterTile, {0xff1ea0e0, "e"}},
    {"/completer/com", "resources/img_assets/com/com.frontpage.png", "img_assets/com/com.frontpage.png", 16, 16, letterTile, {0xff2a80b9, "F"}},
    {"/completer/com", "resources/img_assets/com/com.outlook.png", "img_assets/com/com.outlook.png", 16, 16, letterTile, {0xff0a64a8, "O"}},
    {"/completer/com", "resources/img_assets/com/com.photoshop.png", "img_assets/com/com.photoshop.png", 16, 16, letterTile, {0xff0a2a50, "Ps"}},
    {"/completer/com", "resources/img_assets/com/com.adobe.png", "img_assets/com/com.adobe.png", 16, 16, letterTile, {0xffd01010, "A"}},
    {"/completer/com", "resources/img_assets/com/com.email.png", "img_assets/com/com.email.png", 16, 16, envelope, {blue, ""}},
    {"/completer/com", "resources/img_assets/com/com.database.png", "img_assets/com/com.database.png", 16, 16, database, {0xff4a80c0, ""}},
    {"/completer/com", "resources/img_assets/com/com.lotus.png", "img_assets/com/com.lotus.png", 16, 16, letterTile, {0xffe0a800, "N"}},
    {"/completer/com", "resources/img_assets/com/com.java.png", "img_assets/com/com.java.png", 16, 16, letterTile, {0xffe07020, "J"}},
    {"/completer/com", "resources/img_assets/com/com.globe.png", "img_assets/com/com.globe.png", 16, 16, globe, {0xff3090d0, ""}},
    {"/completer/com", "resources/img_assets/com/com.dll.png", "img_assets/com/com.dll.png", 16, 16, library, {grey, ""}},
    {"/completer/com", "resources/img_assets/com/com.imagemagick.png", "img_assets/com/com.imagemagick.png", 16, 16, letterTile, {purple, "IM"}},
    {"/completer/com", "resources/img_assets/com/com.oracle.png", "img_assets/com/com.oracle.png", 16, 16, letterTile, {0xffc01818, "O"}},
    {"/completer/com", "resources/img_assets/com/com.sql.png", "img_assets/com/com.sql.png", 16, 16, database, {orange, ""}},
    {"/completer/com", "resources/img_assets/com/com.virtualbox.png", "img_assets/com/com.virtualbox.png", 16, 16, cube, {0xff2060b0, ""}},
    {"/completer/com", "resources/img_assets/com/com.unity.png", "img_assets/com/com.unity.png", 16, 16, cube, {0xff505050, ""}},

    // mIRC Sync dock
    {"/options/dde", "resources/img_assets/options/dde/dde_con.png", "img_assets/options/dde/dde_con.png", 16, 16, mircInstance, {darkBlue, ""}},
    {"/options/dde", "resources/img_assets/options/dde/page.png", "img_assets/options/dde/page.png", 16, 16, scriptPage, {green, ""}},
    {"/syncFiles", "resources/img_assets/syncFiles/sync.png", "img_assets/syncFiles/sync.png", 16, 16, syncArrows, {green, ""}},

    // Dialog designer
    {"/general", "resources/img_assets/frmIcon.png", "img_assets/frmIcon.png", 16, 16, dialogWindow, {purple, ""}},
    {"/guiToolbar", "resources/img_assets/controls/alignToGrid.bmp", "img_assets/controls/alignToGrid.bmp", 16, 16, alignToGrid, {blue, ""}},
    {"/guiToolbar", "resources/img_assets/controls/grid.bmp", "img_assets/controls/grid.bmp", 16, 16, showGrid, {0xffa8b4c4, ""}},
    {"/guiToolbar", "resources/img_assets/controls/grid_plus.bmp", "img_assets/controls/grid_plus.bmp", 16, 16, gridPlus, {grey, ""}},
    {"/guiToolbar", "resources/img_assets/controls/grid_minus.bmp", "img_assets/controls/grid_minus.bmp", 16, 16, gridMinus, {grey, ""}},
    {"/guiToolbar", "resources/img_assets/controls/selectable.png", "img_assets/controls/selectable.png", 16, 16, selection, {blue, ""}},
    {"/guiToolbar", "resources/img_assets/controls/generate.png", "img_assets/controls/generate.png", 16, 16, generateCode, {yellow, ""}},
    {"/toolbox", "resources/img_assets/toolbox/button.bmp", "img_assets/toolbox/button.bmp", 16, 16, pushButton, {dark, ""}},
    {"/toolbox", "resources/img_assets/toolbox/edit.bmp", "img_assets/toolbox/edit.bmp", 16, 16, editBox, {0, ""}},
    {"/toolbox", "resources/img_assets/toolbox/pass.bmp", "img_assets/toolbox/pass.bmp", 16, 16, passwordBox, {0, ""}},
    {"/toolbox", "resources/img_assets/toolbox/rich.bmp", "img_assets/toolbox/rich.bmp", 16, 16, richEditBox, {0, ""}},
    {"/toolbox", "resources/img_assets/toolbox/text.bmp", "img_assets/toolbox/text.bmp", 16, 16, label, {dark, ""}},
    {"/toolbox", "resources/img_assets/toolbox/link.bmp", "img_assets/toolbox/link.bmp", 16, 16, hyperlink, {blue, ""}},
    {"/toolbox", "resources/img_assets/toolbox/combo.bmp", "img_assets/toolbox/combo.bmp", 16, 16, comboBox, {0, ""}},
    {"/toolbox", "resources/img_assets/toolbox/list.bmp", "img_assets/toolbox/list.bmp", 16, 16, listBox, {0, ""}},
    {"/toolbox", "resources/img_assets/toolbox/checkList.bmp", "img_assets/toolbox/checkList.bmp", 16, 16, checkListBox, {green, ""}},
    {"/toolbox", "resources/img_assets/toolbox/check.bmp", "img_assets/toolbox/check.bmp", 16, 16, checkBox, {green, ""}},
    {"/toolbox", "resources/img_assets/toolbox/radioList.bmp", "img_assets/toolbox/radioList.bmp", 16, 16, radioListBox, {dark, ""}},
    {"/toolbox", "resources/img_assets/toolbox/radio.bmp", "img_assets/toolbox/radio.bmp", 16, 16, radioButton, {blue, ""}},
    {"/toolbox", "resources/img_assets/toolbox/icon.bmp", "img_assets/toolbox/icon.bmp", 16, 16, imageIcon, {0, ""}},
    {"/toolbox", "resources/img_assets/toolbox/box.bmp", "img_assets/toolbox/box.bmp", 16, 16, groupBox, {blue, ""}},
    {"/toolbox", "resources/img_assets/toolbox/tab.bmp", "img_assets/toolbox/tab.bmp", 16, 16, tabControl, {blue, ""}},
    {"/toolbox", "resources/img_assets/toolbox/tabPage.bmp", "img_assets/toolbox/tabPage.bmp", 16, 16, tabPage, {blue, ""}},
    {"/toolbox", "resources/img_assets/toolbox/vscroll.bmp", "img_assets/toolbox/vscroll.bmp", 16, 16, verticalScrollBar, {0, ""}},
    {"/toolbox", "resources/img_assets/toolbox/hscroll.bmp", "img_assets/toolbox/hscroll.bmp", 16, 16, horizontalScrollBar, {0, ""}},
    {"/statusbar", "resources/img_assets/status/ruler.png", "img_assets/status/ruler.png", 16, 16, ruler, {yellow, ""}},
    {"/statusbar", "resources/img_assets/window.png", "img_assets/window.png", 16, 16, plainWindow, {blue, ""}},
};

const int iconTableSize = int(sizeof(iconTable) / sizeof(iconTable[0]));
