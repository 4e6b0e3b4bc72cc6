#pragma once

#include "DialogDesign.h"

#include <QStringList>

// The code that makes a designed dialog ready to run: an alias that opens
// it, and an empty sclick handler for each of its buttons, for whatever a
// script does not have yet.
namespace DialogSkeletons {

// The lines to add to `script` so that dialog `name` opens with /name (when
// `withAlias`) and every button of `design` has a sclick handler; empty when
// it has them all. The script's aliases and events are found with the
// checker's own reading of their headers.
QStringList missing(const QString& name, const DialogDesign& design, const QStringList& script, bool withAlias);

} // namespace DialogSkeletons
