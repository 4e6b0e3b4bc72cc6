#pragma once

#include "DialogDesign.h"

#include <QStringList>

// A complete dialog table for a design that comes from no script: the
// header with a name made from the title, the title, the size (centred on
// screen), "option pixels", and one control line per control in creation
// order (with its own id, or the next one after every id given), the menu
// bar's entries with their own ids, then the closing brace.
namespace NewDialogTable {

// The title's letters, digits and underscores; "dialog" when none remain.
QString nameFromTitle(const QString& title);
QStringList generate(const DialogDesign& design);

} // namespace NewDialogTable
