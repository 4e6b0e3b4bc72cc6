#include "CanvasCommands.h"

#include "MdiChildDialogDummy.h"
#include "Mnu.h"

#include <QAction>
#include <QMenu>

namespace {

// The merge key of property steps (QUndoCommand::id).
constexpr int propertyCommandId = 1;

} // namespace

PlaceControlCommand::PlaceControlCommand(MdiChildDialogDummy* canvas, QWidget* control, Direction direction)
    : QUndoCommand(direction == Direction::Add ? QStringLiteral("Add Control") : QStringLiteral("Delete Control"))
    , canvas(canvas)
    , control(control)
    , direction(direction)
    , index(canvas->indexOf(control))
{
}

PlaceControlCommand::~PlaceControlCommand()
{
    if (control && canvas->indexOf(control) < 0)
        delete control;
}

void PlaceControlCommand::place(bool on)
{
    if (!control)
        return;
    const int now = canvas->indexOf(control);
    if (on && now < 0) {
        canvas->insertObject(index, record);
    } else if (!on && now >= 0) {
        index = now;
        record = canvas->takeObject(now);
    }
}

void PlaceControlCommand::redo()
{
    place(direction == Direction::Add);
}

void PlaceControlCommand::undo()
{
    place(direction == Direction::Remove);
}

GeometryCommand::GeometryCommand(QWidget* control, const QRect& before, const QRect& after)
    : QUndoCommand(QStringLiteral("Move Control"))
    , control(control)
    , before(before)
    , after(after)
{
}

void GeometryCommand::redo()
{
    setGeometry(after);
}

void GeometryCommand::undo()
{
    setGeometry(before);
}

void GeometryCommand::setGeometry(const QRect& geometry)
{
    if (!control)
        return;
    control->setGeometry(geometry);
    // The selection's handles go with it.
    control->parentWidget()->update();
}

PropertyCommand::PropertyCommand(MdiChildDialogDummy* canvas, QWidget* control, const ControlProperties& before,
                                 const ControlProperties& after)
    : QUndoCommand(QStringLiteral("Edit Property"))
    , canvas(canvas)
    , control(control)
    , before(before)
    , after(after)
{
}

PropertyCommand::Field PropertyCommand::changedField() const
{
    if (before.text != after.text)
        return Field::Text;
    return before.id != after.id ? Field::Id : Field::Styles;
}

void PropertyCommand::redo()
{
    if (control)
        canvas->applyProperties(control, after);
}

void PropertyCommand::undo()
{
    if (control)
        canvas->applyProperties(control, before);
}

int PropertyCommand::id() const
{
    return propertyCommandId;
}

bool PropertyCommand::mergeWith(const QUndoCommand* other)
{
    const auto* next = static_cast<const PropertyCommand*>(other);
    // Typing a caption or stepping an id is one step; each style switched
    // is one of its own.
    if (next->control != control || next->changedField() != changedField() || changedField() == Field::Styles)
        return false;
    after = next->after;
    return true;
}

PlaceMenuEntryCommand::PlaceMenuEntryCommand(Mnu* entry, PlaceDirection direction)
    : QUndoCommand(direction == PlaceDirection::Add ? QStringLiteral("Add Menu Entry")
                                                    : QStringLiteral("Delete Menu Entry"))
    , entry(entry)
    , holder(qobject_cast<Mnu*>(entry->parent()))
    , direction(direction)
    , index(holder->menu()->actions().indexOf(entry->action()))
{
}

PlaceMenuEntryCommand::~PlaceMenuEntryCommand()
{
    if (!entry || isShown())
        return;
    // Its drop-down takes the drop-downs inside it along.
    if (QMenu* menu = entry->menu())
        delete menu;
    else
        delete entry->action();
    delete entry;
}

bool PlaceMenuEntryCommand::isShown() const
{
    return holder->entries().contains(entry);
}

void PlaceMenuEntryCommand::place(bool on)
{
    if (!entry || on == isShown())
        return;
    if (on)
        holder->insertEntry(entry, index);
    else
        index = holder->takeEntry(entry);
}

void PlaceMenuEntryCommand::redo()
{
    place(direction == PlaceDirection::Add);
}

void PlaceMenuEntryCommand::undo()
{
    place(direction == PlaceDirection::Remove);
}

RenameMenuEntryCommand::RenameMenuEntryCommand(Mnu* entry, const QString& before, const QString& after)
    : QUndoCommand(QStringLiteral("Rename Menu Entry"))
    , entry(entry)
    , before(before)
    , after(after)
{
}

void RenameMenuEntryCommand::redo()
{
    if (entry)
        entry->setText(after);
}

void RenameMenuEntryCommand::undo()
{
    if (entry)
        entry->setText(before);
}
