#include "Mnu.h"

#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QWidgetAction>

Mnu::Mnu(QMenuBar* bar, QObject* parent)
    : QObject(parent)
    , ownMenu(bar->addMenu(QStringLiteral("Add Menu")))
{
    addEntryField();
}

Mnu::Mnu(QMenu* existing, QObject* parent)
    : QObject(parent)
    , ownMenu(existing)
{
    addEntryField();
}

void Mnu::addEntryField()
{
    entryAction = new QWidgetAction(ownMenu);
    entry = new QLineEdit;
    // The action owns its default widget from here on.
    entryAction->setDefaultWidget(entry);
    ownMenu->addAction(entryAction);
    connect(entry, &QLineEdit::returnPressed, this, &Mnu::enterPressed);
    connect(this, &Mnu::enterPressed, this, &Mnu::menuAdd);
}

void Mnu::menuAdd()
{
    QMenu* sub = ownMenu->addMenu(entry->text());
    new Mnu(sub, this);
    entry->clear();
}
