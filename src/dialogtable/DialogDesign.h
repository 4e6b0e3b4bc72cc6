#pragma once

#include <QRect>
#include <QSize>
#include <QString>
#include <QStringList>
#include <QVector>

// What the designer's canvas holds, in pixels, without any widget: the
// dialog's title and size, its controls in creation order and its menu bar.
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

// One entry of the dialog's menu bar: a menu (on the bar or inside another
// menu), an item of a menu or a separator line in a menu (without text).
// Entries take their ids from the same numbers as the controls.
struct DesignMenuEntry {
    enum class Kind { Menu, Item, Separator };
    Kind kind = Kind::Menu;
    QString text;
    int id = 0;
    int parent = 0; // the id of the menu it is in; 0 for the menu bar
    // Its index among the understood menu entries of the table it was read
    // from; -1 for an entry made new.
    int tableEntry = -1;

    bool operator==(const DesignMenuEntry& o) const
    {
        return kind == o.kind && text == o.text && id == o.id && parent == o.parent && tableEntry == o.tableEntry;
    }
};

struct DialogDesign {
    QString title;
    QSize size;
    QVector<DesignControl> controls;
    // Every menu comes before the entries inside it.
    QVector<DesignMenuEntry> menus;

    bool operator==(const DialogDesign& o) const
    {
        return title == o.title && size == o.size && controls == o.controls && menus == o.menus;
    }
};
