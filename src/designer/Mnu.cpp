#include "Mnu.h"

#include "CanvasCommands.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QInputDialog>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QUndoStack>
#include <QWidgetAction>

#include <utility>

Mnu::Mnu(QMenuBar* bar, IdSource ids, QUndoStack* steps, QObject* parent)
    : QObject(parent)
    , ownMenu(bar->addMenu(QStringLiteral("Add Menu")))
    , newId(std::move(ids))
    , steps(steps)
{
    addEntryField();
}

Mnu::Mnu(QMenu* existing, QAction* line, const DesignMenuEntry& entry, IdSource ids, QUndoStack* steps, QObject* parent)
    : QObject(parent)
    , ownMenu(existing)
    , separatorLine(line)
    , made(entry)
    , newId(std::move(ids))
    , steps(steps)
{
    if (ownMenu)
        addEntryField();
}

void Mnu::addEntryField()
{
    entryAction = new QWidgetAction(ownMenu);
    entry = new QLineEdit;
    // The action owns its default widget from here on.
    entryAction->setDefaultWidget(entry);
    ownMenu->addAction(entryAction);
    // A separator is drawn wherever it is, as the dialog will show it.
    ownMenu->setSeparatorsCollapsible(false);
    ownMenu->installEventFilter(this);
    connect(entry, &QLineEdit::returnPressed, this, &Mnu::enterPressed);
    connect(this, &Mnu::enterPressed, this, &Mnu::menuAdd);
}

QAction* Mnu::action() const
{
    return ownMenu ? ownMenu->menuAction() : separatorLine;
}

Mnu* Mnu::entryOf(const QAction* shown) const
{
    if (!shown)
        return nullptr;
    for (Mnu* inside : findChildren<Mnu*>(QString(), Qt::FindDirectChildrenOnly)) {
        if (inside->action() == shown)
            return inside;
    }
    return nullptr;
}

QList<Mnu*> Mnu::entries() const
{
    QList<Mnu*> shown;
    if (!ownMenu)
        return shown;
    for (const QAction* action : ownMenu->actions()) {
        if (Mnu* inside = entryOf(action))
            shown.append(inside);
    }
    return shown;
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
    if (entry.kind == DesignMenuEntry::Kind::Separator)
        return new Mnu(nullptr, ownMenu->addSeparator(), entry, newId, steps, this);
    return new Mnu(ownMenu->addMenu(entry.text), nullptr, entry, newId, steps, this);
}

void Mnu::menuAdd()
{
    if (entry->text().isEmpty())
        return;
    Mnu* added = addEntry(DesignMenuEntry{DesignMenuEntry::Kind::Item, entry->text(), newId(), made.id, -1});
    entry->clear();
    steps->push(new PlaceMenuEntryCommand(added, PlaceDirection::Add));
}

void Mnu::addSeparator()
{
    Mnu* added = addEntry(DesignMenuEntry{DesignMenuEntry::Kind::Separator, QString(), newId(), made.id, -1});
    steps->push(new PlaceMenuEntryCommand(added, PlaceDirection::Add));
}

void Mnu::rename(const QString& text)
{
    if (ownMenu && !text.isEmpty() && text != made.text)
        steps->push(new RenameMenuEntryCommand(this, made.text, text));
}

void Mnu::remove()
{
    // The root is the bar's own "Add Menu".
    if (qobject_cast<Mnu*>(parent()))
        steps->push(new PlaceMenuEntryCommand(this, PlaceDirection::Remove));
}

void Mnu::setText(const QString& text)
{
    made.text = text;
    ownMenu->setTitle(text);
}

int Mnu::takeEntry(Mnu* inside)
{
    const int place = ownMenu->actions().indexOf(inside->action());
    ownMenu->removeAction(inside->action());
    return place;
}

void Mnu::insertEntry(Mnu* inside, int place)
{
    // Past the end, value() gives nullptr and the entry goes last.
    ownMenu->insertAction(ownMenu->actions().value(place), inside->action());
}

bool Mnu::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != ownMenu)
        return false;
    if (event->type() == QEvent::ContextMenu) {
        // The last drop-down opened gets the right clicks of all those open;
        // each belongs to the drop-down under the mouse.
        const QPoint globalPos = static_cast<QContextMenuEvent*>(event)->globalPos();
        QWidget* under = QApplication::widgetAt(globalPos);
        while (under && !qobject_cast<QMenu*>(under))
            under = under->parentWidget();
        if (under && under != ownMenu) {
            QContextMenuEvent moved(QContextMenuEvent::Mouse, under->mapFromGlobal(globalPos), globalPos);
            QApplication::sendEvent(under, &moved);
        } else {
            showEntryMenu(ownMenu->mapFromGlobal(globalPos));
        }
        return true;
    }
    if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Delete) {
        if (Mnu* current = entryOf(ownMenu->activeAction())) {
            current->remove();
            return true;
        }
    }
    return false;
}

void Mnu::showEntryMenu(const QPoint& pos)
{
    Mnu* target = entryOf(ownMenu->actionAt(pos));
    QMenu choices;
    QAction* rename = target && target->menu() ? choices.addAction(QStringLiteral("Rename...")) : nullptr;
    QAction* remove = target ? choices.addAction(QStringLiteral("Delete")) : nullptr;
    if (remove)
        remove->setShortcut(QKeySequence::Delete);
    // Separators go inside menus, never on the bar.
    QAction* separator = qobject_cast<Mnu*>(parent()) ? choices.addAction(QStringLiteral("Add Separator")) : nullptr;
    if (choices.isEmpty())
        return;
    QAction* chosen = choices.exec(ownMenu->mapToGlobal(pos));
    if (!chosen)
        return;
    if (chosen == rename)
        target->askForText();
    else if (chosen == remove)
        target->remove();
    else if (chosen == separator)
        addSeparator();
}

void Mnu::askForText()
{
    // The dialog goes over the canvas that holds the bar.
    QWidget* owner = ownMenu;
    while (qobject_cast<QMenu*>(owner))
        owner = owner->parentWidget();
    // The drop-downs would keep the keyboard from the dialog.
    while (QWidget* popup = QApplication::activePopupWidget())
        popup->close();
    bool ok = false;
    const QString text = QInputDialog::getText(owner ? owner->window() : nullptr, QStringLiteral("Rename Menu Entry"),
                                               QStringLiteral("Text:"), QLineEdit::Normal, made.text, &ok);
    if (ok)
        rename(text);
}
