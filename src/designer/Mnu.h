#pragma once

#include "dialogtable/DialogDesign.h"

#include <QList>
#include <QObject>

#include <functional>

class QAction;
class QLineEdit;
class QMenu;
class QMenuBar;
class QPoint;
class QUndoStack;
class QWidgetAction;

// One menu of the designed dialog's menu bar with an entry field inside it:
// typing a name there and pressing Return adds an entry of that name, which
// gets an entry field of its own. The root is the bar's "Add Menu"; the
// entries inside it are the dialog's menus, and the entries inside those
// are their items, separators, or submenus once they hold entries
// themselves. A right click on an entry offers to rename or delete it, and
// inside a menu to add a separator; Delete removes the entry under the
// keyboard. Adding, renaming and deleting are each one undo step.
class Mnu : public QObject {
    Q_OBJECT
public:
    // Gives each new entry its id.
    using IdSource = std::function<int()>;

    // The root entry: a menu "Add Menu" added to the menu bar; its changes
    // go on `steps`.
    Mnu(QMenuBar* bar, IdSource ids, QUndoStack* steps, QObject* parent);

    // The entry's drop-down; nullptr for a separator.
    QMenu* menu() const { return ownMenu; }
    // What stands for the entry in the menu it is in: its drop-down's title
    // or the separator's line.
    QAction* action() const;
    QLineEdit* entryField() const { return entry; }
    // The entries shown inside this one, in their order.
    QList<Mnu*> entries() const;
    // The statement this entry stands for: a menu when it is on the bar or
    // holds entries, otherwise what it was made as. The root's has id 0.
    DesignMenuEntry designEntry() const;
    void setTableEntry(int index) { made.tableEntry = index; }

    // Adds an entry inside this one with the text, id and kind given,
    // without an undo step; used when a table is read onto the canvas.
    Mnu* addEntry(const DesignMenuEntry& entry);

    // One undo step each: a separator at the end of this entry's drop-down,
    // a new text for this entry, this entry (with those inside it) gone.
    void addSeparator();
    void rename(const QString& text);
    void remove();

    // For the undo steps (CanvasCommands.cpp): showing a text, taking an
    // entry inside this one off its drop-down (kept, with its place) and
    // putting it back there.
    void setText(const QString& text);
    int takeEntry(Mnu* inside);
    void insertEntry(Mnu* inside, int place);

public slots:
    // Adds an entry named by the entry field, with a new id.
    void menuAdd();

signals:
    void enterPressed();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // An entry around its drop-down or separator line, which exists already.
    Mnu(QMenu* existing, QAction* line, const DesignMenuEntry& entry, IdSource ids, QUndoStack* steps, QObject* parent);
    void addEntryField();
    // The entry inside this one that `shown` stands for, if any.
    Mnu* entryOf(const QAction* shown) const;
    void showEntryMenu(const QPoint& pos);
    void askForText();

    QMenu* ownMenu = nullptr;
    QAction* separatorLine = nullptr;
    QWidgetAction* entryAction = nullptr;
    QLineEdit* entry = nullptr;
    DesignMenuEntry made;
    IdSource newId;
    QUndoStack* steps = nullptr;
};
