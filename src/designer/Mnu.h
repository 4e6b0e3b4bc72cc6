#pragma once

#include "dialogtable/DialogDesign.h"

#include <QList>
#include <QObject>

#include <functional>

class QLineEdit;
class QMenu;
class QMenuBar;
class QWidgetAction;

// One menu of the designed dialog's menu bar with an entry field inside it:
// typing a name there and pressing Return adds an entry of that name, which
// gets an entry field of its own. The root is the bar's "Add Menu"; the
// entries inside it are the dialog's menus, and the entries inside those
// are their items, or submenus once they hold entries themselves.
class Mnu : public QObject {
    Q_OBJECT
public:
    // Gives each entry made with the entry field its id.
    using IdSource = std::function<int()>;

    // The root entry: a menu "Add Menu" added to the menu bar.
    Mnu(QMenuBar* bar, IdSource ids, QObject* parent);

    QMenu* menu() const { return ownMenu; }
    QLineEdit* entryField() const { return entry; }
    // The entries inside this one, in the order they came.
    QList<Mnu*> entries() const;
    // The statement this entry stands for: a menu when it is on the bar or
    // holds entries, otherwise what it was made as. The root's has id 0.
    DesignMenuEntry designEntry() const;
    void setTableEntry(int index) { made.tableEntry = index; }

    // Adds an entry inside this one with the text, id and kind given.
    Mnu* addEntry(const DesignMenuEntry& entry);

public slots:
    // Adds an entry named by the entry field, with a new id.
    void menuAdd();

signals:
    void enterPressed();

private:
    // An entry around its menu, which exists already.
    Mnu(QMenu* existing, const DesignMenuEntry& entry, IdSource ids, QObject* parent);
    void addEntryField();

    QMenu* ownMenu = nullptr;
    QWidgetAction* entryAction = nullptr;
    QLineEdit* entry = nullptr;
    DesignMenuEntry made;
    IdSource newId;
};
