#pragma once

#include <QRect>
#include <QSize>
#include <QString>
#include <QStringList>
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
    // The control's id; 0 for one that takes the next free id when written.
    int id = 0;
    // The style words after the geometry, without the word that tells the
    // type apart (DesignControlTypes' marker), which is always written.
    QStringList styles;

    bool operator==(const DesignControl& o) const
    {
        return type == o.type && text == o.text && geometry == o.geometry && tableControl == o.tableControl
            && id == o.id && styles == o.styles;
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
