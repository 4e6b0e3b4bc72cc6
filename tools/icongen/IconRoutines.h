#pragma once

#include "IconEntry.h"

// The drawing routines the icon table names, one per kind of picture. Each
// draws into the 16 x 16 design box; `style.accent` and `style.text` tell the
// members of one family apart.
namespace Icons {

// Documents, files and windows (DocumentIcons.cpp)
void blankPage(QPainter& p, const IconStyle& s);
void textPage(QPainter& p, const IconStyle& s);
void scriptPage(QPainter& p, const IconStyle& s);
void readOnlyPage(QPainter& p, const IconStyle& s);
void newPage(QPainter& p, const IconStyle& s);
void closePage(QPainter& p, const IconStyle& s);
void openFolder(QPainter& p, const IconStyle& s);
void save(QPainter& p, const IconStyle& s);
void saveAll(QPainter& p, const IconStyle& s);
void exitDoor(QPainter& p, const IconStyle& s);
void dialogWindow(QPainter& p, const IconStyle& s);
void dialogCode(QPainter& p, const IconStyle& s);
void pictureWindow(QPainter& p, const IconStyle& s);
void plainWindow(QPainter& p, const IconStyle& s);
void mircInstance(QPainter& p, const IconStyle& s);
void syncArrows(QPainter& p, const IconStyle& s);

// Editing and control codes (EditIcons.cpp)
void undo(QPainter& p, const IconStyle& s);
void redo(QPainter& p, const IconStyle& s);
void cut(QPainter& p, const IconStyle& s);
void copy(QPainter& p, const IconStyle& s);
void paste(QPainter& p, const IconStyle& s);
void erase(QPainter& p, const IconStyle& s);
void letter(QPainter& p, const IconStyle& s);
void italicLetter(QPainter& p, const IconStyle& s);
void underlinedLetter(QPainter& p, const IconStyle& s);
void reverseColours(QPainter& p, const IconStyle& s);
void colourLetter(QPainter& p, const IconStyle& s);
void plainText(QPainter& p, const IconStyle& s);
void bracketCheck(QPainter& p, const IconStyle& s);

// Messages, search, folding and completion (MarkerIcons.cpp)
void information(QPainter& p, const IconStyle& s);
void warning(QPainter& p, const IconStyle& s);
void error(QPainter& p, const IconStyle& s);
void taskFlag(QPainter& p, const IconStyle& s);
void magnify(QPainter& p, const IconStyle& s);
void previous(QPainter& p, const IconStyle& s);
void next(QPainter& p, const IconStyle& s);
void closeCross(QPainter& p, const IconStyle& s);
void foldOpen(QPainter& p, const IconStyle& s);
void foldClosed(QPainter& p, const IconStyle& s);
void groupOpen(QPainter& p, const IconStyle& s);
void groupClosed(QPainter& p, const IconStyle& s);
void identifierTile(QPainter& p, const IconStyle& s);
void localIdentifierTile(QPainter& p, const IconStyle& s);
void property(QPainter& p, const IconStyle& s);

// COM object families (ComIcons.cpp)
void letterTile(QPainter& p, const IconStyle& s);
void terminal(QPainter& p, const IconStyle& s);
void explorerFolder(QPainter& p, const IconStyle& s);
void windowsPanes(QPainter& p, const IconStyle& s);
void envelope(QPainter& p, const IconStyle& s);
void database(QPainter& p, const IconStyle& s);
void globe(QPainter& p, const IconStyle& s);
void library(QPainter& p, const IconStyle& s);
void cube(QPainter& p, const IconStyle& s);
void musicNote(QPainter& p, const IconStyle& s);
void applicationWindow(QPainter& p, const IconStyle& s);

// Dialog designer: toolbox controls, object toolbar, status bar (DesignerIcons.cpp)
void pushButton(QPainter& p, const IconStyle& s);
void editBox(QPainter& p, const IconStyle& s);
void passwordBox(QPainter& p, const IconStyle& s);
void richEditBox(QPainter& p, const IconStyle& s);
void label(QPainter& p, const IconStyle& s);
void hyperlink(QPainter& p, const IconStyle& s);
void comboBox(QPainter& p, const IconStyle& s);
void listBox(QPainter& p, const IconStyle& s);
void checkListBox(QPainter& p, const IconStyle& s);
void checkBox(QPainter& p, const IconStyle& s);
void radioListBox(QPainter& p, const IconStyle& s);
void radioButton(QPainter& p, const IconStyle& s);
void imageIcon(QPainter& p, const IconStyle& s);
void groupBox(QPainter& p, const IconStyle& s);
void tabControl(QPainter& p, const IconStyle& s);
void tabPage(QPainter& p, const IconStyle& s);
void verticalScrollBar(QPainter& p, const IconStyle& s);
void horizontalScrollBar(QPainter& p, const IconStyle& s);
void alignToGrid(QPainter& p, const IconStyle& s);
void showGrid(QPainter& p, const IconStyle& s);
void gridPlus(QPainter& p, const IconStyle& s);
void gridMinus(QPainter& p, const IconStyle& s);
void selection(QPainter& p, const IconStyle& s);
void generateCode(QPainter& p, const IconStyle& s);
void ruler(QPainter& p, const IconStyle& s);

} // namespace Icons
