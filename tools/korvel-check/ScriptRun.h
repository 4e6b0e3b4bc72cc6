#pragma once

#include "checker/core/DocumentKind.h"
#include "checker/core/LineCheckResult.h"

#include <QString>
#include <functional>

// Runs the checker core over a whole script, line by line, handing each line
// the state the previous one ended in, exactly as the highlighter does for a
// document: the lines are the document's lines (an INI script's text ends in
// a line end, so its last, empty line is checked too) and the checker sees
// each line lower-cased, as a line of a document of `kind`. `text` is a text as ScriptFile::load gives it, in
// which every line break the editor knows is already "\n".
using LineVisitor = std::function<void(int lineNumber, const QString& line, const LineCheckResult& result)>;

void checkScript(const QString& text, const LineVisitor& visit, DocumentKind kind = DocumentKind::Remote);
