#include "Mnu.h"

#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QWidgetAction>

#include <utility>

Mnu::Mnu(QMenuBar* bar, IdSource ids, QObject* parent)
    : QObject(parent)
    , ownMenu(bar->addMenu(QStringLiteral("Add Menu")))
    , newId(std::move(ids))
{
    addEntryField();
}

Mnu::Mnu(QMenu* existing, const DesignMenuEntry& entry, IdSource ids, QObject* parent)
    : QObject(parent)
    , ownMenu(existing)
    , made(entry)
    , newId(std::move(ids))
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

QList<Mnu*> Mnu::entries() const
{
    return findChildren<Mnu*>(QString(), Qt::FindDirectChildrenOnly);
}

DesignMenuEntry Mnu::designEntry() const
{
    DesignMenuEntry statement = made;
    if (statement.parent == 0 || !entries().isEmpty())
        statement.kind = DesignMenuEntry::Kind::Menu;
    return statement;
}

Mnu* Mnu::addEntry(const DesignMenuEntry& entry)
{
    return new Mnu(ownMenu->addMenu(entry.text), entry, newId, this);
}

void Mnu::menuAdd()
{
    if (entry->text().isEmpty())
        return;
    addEntry(DesignMenuEntry{DesignMenuEntry::Kind::Item, entry->text(), newId(), made.id, -1});
    entry->clear();
}
