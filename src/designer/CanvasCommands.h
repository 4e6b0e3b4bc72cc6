#pragma once

#include "DesignObject.h"

#include <QPointer>
#include <QRect>
#include <QUndoCommand>

class MdiChildDialogDummy;
class Mnu;

// The undo steps of the designer's canvas. Each one does its work in redo(),
// which is also run when it is pushed; a change the mouse has already made
// on the canvas (a drop, a move) is pushed after the fact and its first
// redo() finds nothing left to do.

enum class PlaceDirection { Add, Remove };

// A control comes onto the canvas (a drop) or goes from it (Delete). A
// control that is off the canvas when its step is destroyed goes with it.
class PlaceControlCommand : public QUndoCommand {
public:
    using Direction = PlaceDirection;
    PlaceControlCommand(MdiChildDialogDummy* canvas, QWidget* control, Direction direction);
    ~PlaceControlCommand() override;

    void redo() override;
    void undo() override;

private:
    void place(bool on);

    MdiChildDialogDummy* canvas;
    QPointer<QWidget> control;
    Direction direction;
    DesignObject record; // what the canvas knew of the control while it was off
    int index = -1;      // its place among the canvas's objects
};

// A placed control moved or resized.
class GeometryCommand : public QUndoCommand {
public:
    GeometryCommand(QWidget* control, const QRect& before, const QRect& after);

    void redo() override;
    void undo() override;

private:
    void setGeometry(const QRect& geometry);

    QPointer<QWidget> control;
    QRect before;
    QRect after;
};

// The text, id or styles of a control, or the dialog's title (the canvas
// itself as the control). Consecutive edits of one field of one control
// are one step, so typing a caption is undone at once.
class PropertyCommand : public QUndoCommand {
public:
    PropertyCommand(MdiChildDialogDummy* canvas, QWidget* control, const ControlProperties& before,
                    const ControlProperties& after);

    void redo() override;
    void undo() override;
    int id() const override;
    bool mergeWith(const QUndoCommand* other) override;

private:
    MdiChildDialogDummy* canvas;
    enum class Field { Text, Id, Styles };
    Field changedField() const;

    QPointer<QWidget> control;
    ControlProperties before;
    ControlProperties after;
};

// An entry of the menu bar comes (typed into its menu's entry field, or a
// separator) or goes with the entries inside it (Delete). An entry that is
// off the bar when its step is destroyed goes with it.
class PlaceMenuEntryCommand : public QUndoCommand {
public:
    PlaceMenuEntryCommand(Mnu* entry, PlaceDirection direction);
    ~PlaceMenuEntryCommand() override;

    void redo() override;
    void undo() override;

private:
    void place(bool on);
    bool isShown() const;

    QPointer<Mnu> entry;
    Mnu* holder; // the entry's parent, there as long as the entry is
    PlaceDirection direction;
    int index = -1; // its place in the holder's drop-down
};

// The text of a menu bar entry.
class RenameMenuEntryCommand : public QUndoCommand {
public:
    RenameMenuEntryCommand(Mnu* entry, const QString& before, const QString& after);

    void redo() override;
    void undo() override;

private:
    QPointer<Mnu> entry;
    QString before;
    QString after;
};
