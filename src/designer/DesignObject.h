#pragma once

#include <QString>
#include <QStringList>

class QWidget;

// What the property panel edits on a control: the text its statement
// carries, its id and the style words after its geometry. For the dialog
// itself only the text (its title) counts.
struct ControlProperties {
    QString text;
    int id = 0;
    QStringList styles;

    bool operator==(const ControlProperties& o) const { return text == o.text && id == o.id && styles == o.styles; }
    bool operator!=(const ControlProperties& o) const { return !(*this == o); }
};

// One control placed on the designer's canvas: its type name (one of the
// seventeen of DesignControlTypes), the widget that shows it and what its
// statement will say. The canvas owns the records and, through Qt
// parenting, the widgets.
struct DesignObject {
    QString type;
    QWidget* widget = nullptr;
    // The control of a dialog table this object was read from (its index
    // among the table's controls); -1 for a control placed with the mouse.
    int tableControl = -1;
    // The canvas's count of written tables when tableControl was set.
    int tableGeneration = 0;
    ControlProperties properties;
};
