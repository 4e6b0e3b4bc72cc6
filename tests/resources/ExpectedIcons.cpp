#include "ExpectedIcons.h"

// The type chooser draws its pictures at 28 x 25; everything else is 16 x 16.
const ExpectedIconFolder expectedIconFolders[] = {
    {":/general/toolbar/resources/img_assets/options/main/", 16, 16,
     "save_all.png exit.png undo.png redo.png cut.png copy.png paste.png delete.png "
     "format_bold.png format_italics.png format_underline.png format_reverse.png "
     "format_color.png format_plain.png info.png page_white_add.png folder_page.png "
     "page_white_delete.png save.png"},
    {":/general/toolbar/resources/img_assets/editor/toolbar/", 16, 16, "bchecker.png"},
    {":/tabbar/resources/img_assets/options/main/tabs/", 16, 16, "file.png file-read-only.png dialog.png"},
    {":/newFile/resources/img_assets/new_type/", 28, 25,
     "blank.png dialog.png dialog_code.png picwin.png scriptFile.png textFile.png"},
    {":/messages/syntax/resources/img_assets/messages/syntax/", 16, 16, "information.png warning.png error.png"},
    {":/messages/syntax/msgs/resources/img_assets/messages/syntax/msgs/", 16, 16,
     "blue.png green.png grey.png orange.png red.png yellow.png"},
    {":/find/resources/img_assets/editor/find/", 16, 16,
     "magnify.png search_green.png search_red.png search_blue.png search_orange.png "
     "previous.png next.png close.png"},
    {":/block/resources/img_assets/editor/block/", 16, 16, "expanded.png right.png expanded2.png right2.png"},
    {":/completer/resources/img_assets/completer/", 16, 16,
     "builtident.png customlocalident.png customident.png property.png"},
    {":/completer/com/resources/img_assets/com/", 16, 16,
     "com.shell.png com.png com.explorer.png com.win.png com.xml.png com.skype.png "
     "com.itunes.png com.app.png com.snagit.png com.word.png com.excel.png com.pp.png "
     "com.access.png com.ie.png com.frontpage.png com.outlook.png com.photoshop.png "
     "com.adobe.png com.email.png com.database.png com.lotus.png com.java.png "
     "com.globe.png com.dll.png com.imagemagick.png com.oracle.png com.sql.png "
     "com.virtualbox.png com.unity.png"},
    {":/options/dde/resources/img_assets/options/dde/", 16, 16, "dde_con.png page.png"},
    {":/syncFiles/resources/img_assets/syncFiles/", 16, 16, "sync.png"},
    {":/general/resources/img_assets/", 16, 16, "frmIcon.png"},
    {":/guiToolbar/resources/img_assets/controls/", 16, 16,
     "alignToGrid.bmp grid.bmp grid_plus.bmp grid_minus.bmp selectable.png "
     "generate.png"},
    {":/toolbox/resources/img_assets/toolbox/", 16, 16,
     "button.bmp edit.bmp pass.bmp rich.bmp text.bmp link.bmp combo.bmp list.bmp "
     "checkList.bmp check.bmp radioList.bmp radio.bmp icon.bmp box.bmp tab.bmp "
     "tabPage.bmp vscroll.bmp hscroll.bmp"},
    {":/statusbar/resources/img_assets/status/", 16, 16, "ruler.png"},
    {":/statusbar/resources/img_assets/", 16, 16, "window.png"},
};

const int expectedIconFolderCount = int(sizeof(expectedIconFolders) / sizeof(expectedIconFolders[0]));
