#pragma once

#include <QStringView>

// The statements of a dialog table that define controls, and the style words
// each control accepts after its size.
namespace DialogControls {

struct Control {
    const char* name;
    bool hasText;      // the first field is the control's text: text "Hello", 1, ...
    bool sizeOptional; // the line may end after the ID (tab, menu, item)
    bool anyStyle;     // every style word is accepted (no vocabulary of its own)
};

// A style word a control accepts; control "" marks the styles every control
// with a vocabulary accepts.
struct Style {
    const char* control;
    const char* style;
};

int controlCount();
const Control& control(int index);
// The control named exactly `name` (lower case), or nullptr.
const Control* findControl(QStringView name);

int styleCount();
const Style& style(int index);
// True when `control` accepts `word` as a style: its own list, the common
// list, "tab" followed by digits, or any word for a control without a list.
bool acceptsStyle(const Control& control, QStringView word);

// The words an "option" statement accepts.
int optionCount();
const char* option(int index);
bool isOption(QStringView word);

} // namespace DialogControls
