#pragma once

// The fixed contents of the designer window: its object toolbar and its
// toolbox, in display order.
namespace BuilderTables {

enum class ToolbarCommand {
    AlignToGrid,
    ShowGrid,
    IncreaseGrid,
    DecreaseGrid,
    ObjectSelection,
    GenerateCode,
    WriteSkeletons,
};

struct ToolbarAction {
    ToolbarCommand command;
    const char* text;
    const char* icon;     // under ":/guiToolbar/resources/img_assets/controls/"
    const char* shortcut; // "" for none
    const char* statusTip;
    bool checkable; // checkable actions start checked
};

struct ToolboxEntry {
    const char* typeName; // drag format "gui/" + this; icon "<this>.bmp"
    const char* toolTip;
};

extern const ToolbarAction toolbarActions[];
extern const int toolbarActionCount;
extern const ToolboxEntry toolboxEntries[];
extern const int toolboxEntryCount;

} // namespace BuilderTables
