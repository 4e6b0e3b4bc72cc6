#pragma once

#include "dialogtable/DesignControlTypes.h"

#include <QString>

class QWidget;

// The live widgets that stand for the seventeen control types on the canvas,
// and the one text each of them shows (a caption, an edit's content, a tab's
// first page name). Types without a text (lists, combo, icon) ignore it.
namespace ControlWidgets {

QWidget* create(DesignControlTypes::Type type, QWidget* parent);
QString text(DesignControlTypes::Type type, const QWidget* widget);
void setText(DesignControlTypes::Type type, QWidget* widget, const QString& text);

} // namespace ControlWidgets
