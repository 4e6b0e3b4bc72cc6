#pragma once

#include "core/FormatId.h"

#include <QRegularExpression>
#include <QTextCharFormat>

// The process-wide text formats the highlighter paints with, and the comment
// patterns. Built once (by build(), or on first use) and shared by every
// highlighter.
namespace TextFormats {

void build();
const QTextCharFormat& format(FormatId id);

const QRegularExpression& commentStartPattern();
const QRegularExpression& commentEndPattern();
const QRegularExpression& lineCommentPattern();
const QRegularExpression& remCommentPattern();

} // namespace TextFormats
