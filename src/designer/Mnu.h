#pragma once

#include <QObject>

class QLineEdit;
class QMenu;
class QMenuBar;
class QWidgetAction;

// One menu of the designed dialog's menu bar with an entry field inside it:
// typing a name there and pressing Return adds a submenu of that name, which
// gets an entry field of its own.
class Mnu : public QObject {
    Q_OBJECT
public:
    // The root entry: a menu "Add Menu" added to the menu bar.
    Mnu(QMenuBar* bar, QObject* parent);
    // A nested entry around a menu that exists already.
    Mnu(QMenu* existing, QObject* parent);

    QMenu* menu() const { return ownMenu; }
    QLineEdit* entryField() const { return entry; }

public slots:
    void menuAdd();

signals:
    void enterPressed();

private:
    void addEntryField();

    QMenu* ownMenu = nullptr;
    QWidgetAction* entryAction = nullptr;
    QLineEdit* entry = nullptr;
};
