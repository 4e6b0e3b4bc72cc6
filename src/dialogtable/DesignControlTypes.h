#pragma once

#include <QSize>
#include <QString>

// The seventeen kinds of control the designer places. The type name is the
// key everywhere: the toolbox's drag format is "gui/" + name, the canvas's
// object records carry it, and it picks the mSL statement a control becomes.
namespace DesignControlTypes {

enum class Type {
    Button,
    Edit,
    Pass,
    Rich,
    Text,
    Link,
    Combo,
    List,
    CheckList,
    Check,
    RadioList,
    Radio,
    Icon,
    Box,
    Tab,
    VScroll,
    HScroll,
};

struct ControlType {
    Type type;
    const char* name; // "button", "checkList", ...
    int defaultWidth; // the size of a newly placed control, in pixels
    int defaultHeight;
    const char* keyword; // the dialog-table statement: "edit", "list", "scroll", ...
    bool hasText;        // the statement's first field is a quoted text
    // The style word that tells this type apart from the others sharing its
    // keyword ("pass" for a password edit); "" for the plain one.
    const char* marker;
    // The styles a new control of this type starts with ("" for none).
    const char* styles;
    // The styles the property panel offers to switch on and off.
    const char* commonStyles;
};

int typeCount();
const ControlType& controlType(int index);
// The type named exactly `name`, or nullptr.
const ControlType* findByName(const QString& name);
// The type a dialog-table statement stands for, given its lower-cased
// keyword and style words; nullptr for statements the designer does not
// place (menu, item, ...).
const ControlType* findByStatement(const QString& keyword, const QStringList& styleWords);

QSize defaultSize(const ControlType& type);
// The style words of a new control, and the ones offered, without the
// type's marker.
QStringList initialStyles(const ControlType& type);
QStringList offeredStyles(const ControlType& type);
// The style words of a statement as the design keeps them: without the
// type's marker.
QStringList designStyles(const ControlType& type, const QStringList& words);

// The drag format the toolbox offers for a type name.
QString dragFormat(const QString& typeName);

} // namespace DesignControlTypes
