#pragma once

#include "dialogtable/DesignControlTypes.h"

#include <QStringList>

class QWidget;

// The live widgets that stand for the seventeen control types on the canvas,
// the one text each of them shows (a caption, an edit's content, a tab's
// first page name) and what they show of their styles. Types without a text
// (lists, combo, icon, scroll bars) ignore it.
namespace ControlWidgets {

QWidget* create(DesignControlTypes::Type type, QWidget* parent);
void setText(DesignControlTypes::Type type, QWidget* widget, const QString& text);
// Shows the styles a widget can show (a label's alignment and wrapping, a
// default button, a read-only edit, a box on the left); the others change
// nothing on the canvas.
void applyStyles(DesignControlTypes::Type type, QWidget* widget, const QStringList& styles);
// True for a control that would be invisible on the canvas as it is (an
// empty label, an icon without its picture): the canvas outlines it.
bool drawsNothing(DesignControlTypes::Type type, const QWidget* widget);

} // namespace ControlWidgets
