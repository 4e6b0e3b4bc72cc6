#include "BuilderTables.h"

namespace BuilderTables {

const ToolbarAction toolbarActions[] = {
    {ToolbarCommand::AlignToGrid, "Align To Grid", "alignToGrid.bmp", "Ctrl+L", "Toggle to turn on or off auto-align.",
     true},
    {ToolbarCommand::ShowGrid, "Show Grid", "grid.bmp", "Ctrl+G", "Toggle to show or hide the snap-in grid.", true},
    {ToolbarCommand::IncreaseGrid, "Increase Grid Size", "grid_plus.bmp", "Ctrl+=", "Increase the grid size.", false},
    {ToolbarCommand::DecreaseGrid, "Decrease Grid Size", "grid_minus.bmp", "Ctrl+-", "Decrease the grid size.", false},
    {ToolbarCommand::ObjectSelection, "Object Selection", "selectable.png", "", "Disable object selection.", true},
    {ToolbarCommand::GenerateCode, "Generate Code", "generate.png", "F5", "Generate mSL code for this dialog.", false},
    {ToolbarCommand::WriteSkeletons, "Write Alias And Handlers", "generate.png", "",
     "Generate Code also writes an alias that opens the dialog and a handler for each button.", true},
};
const int toolbarActionCount = int(sizeof(toolbarActions) / sizeof(toolbarActions[0]));

// Two per row. "tabPage" has a button but no control of its own: the canvas
// refuses it.
const ToolboxEntry toolboxEntries[] = {
    {"button", "Button"},
    {"edit", "Edit Box"},
    {"pass", "Password Edit Box"},
    {"rich", "Rich Edit Box"},
    {"text", "Label"},
    {"link", "Hyperlink Label"},
    {"combo", "Combo Box"},
    {"list", "List Box"},
    {"checkList", "Check List Box"},
    {"check", "Check Box"},
    {"radioList", "Radio List Box"},
    {"radio", "Radio Button"},
    {"icon", "Image Icon"},
    {"box", "Group Box"},
    {"tab", "Tab Control"},
    {"tabPage", "Tab Page"},
    {"vscroll", "Vertical Scroll Bar"},
    {"hscroll", "Horizontal Scroll Bar"},
};
const int toolboxEntryCount = int(sizeof(toolboxEntries) / sizeof(toolboxEntries[0]));

} // namespace BuilderTables
