#pragma once

#include <QRect>
#include <QSize>
#include <QString>
#include <QVector>

// What the designer's canvas holds, in pixels, without any widget: the
// dialog's title and size and its controls in creation order.
struct DesignControl {
    QString type; // a DesignControlTypes name: "button", "checkList", ...
    QString text;
    QRect geometry;
    // The control of a dialog table this one was read from (its index among
    // the table's understood controls); -1 for a control placed new.
    int tableControl = -1;

    bool operator==(const DesignControl& o) const
    {
        return type == o.type && text == o.text && geometry == o.geometry && tableControl == o.tableControl;
    }
};

struct DialogDesign {
    QString title;
    QSize size;
    QVector<DesignControl> controls;

    bool operator==(const DialogDesign& o) const
    {
        return title == o.title && size == o.size && controls == o.controls;
    }
};
