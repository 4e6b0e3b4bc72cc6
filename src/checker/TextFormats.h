#pragma once

#include "checker/core/FormatId.h"

#include <QTextCharFormat>

// The process-wide text formats the highlighter paints with. Built once (by
// build(), or on first use) and shared by every highlighter.
namespace TextFormats {

void build();
const QTextCharFormat& format(FormatId id);

} // namespace TextFormats
