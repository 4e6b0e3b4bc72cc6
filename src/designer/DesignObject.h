#pragma once

#include <QString>

class QWidget;

// One control placed on the designer's canvas: its type name (one of the
// seventeen of DesignControlTypes) and the widget that shows it. The canvas
// owns the records and, through Qt parenting, the widgets.
struct DesignObject {
    QString type;
    QWidget* widget = nullptr;
    // The control of a dialog table this object was read from (its index
    // among the table's controls); -1 for a control placed with the mouse.
    int tableControl = -1;
};
