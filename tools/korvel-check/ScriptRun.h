#pragma once

#include "checker/core/LineCheckResult.h"
#include "formats/ScriptLineReader.h"

#include <functional>

// Runs the checker core over a script file line by line, handing each line
// the state the previous one ended in, exactly as the highlighter does for a
// document: the lines are the lines of the text the editor shows (an INI
// script's text ends in a line end, so its last, empty line is checked too)
// and the checker sees each line lower-cased, as a line of a document of the
// reader's kind. False on a read error (reader.error() says which).
// A block never closed (or a comment outside blocks) is found after its first
// line was checked: `visitFinding` receives that earlier line again with the
// one diagnostic; without it, `visit` does.
using LineVisitor = std::function<void(const ScriptLine& line, const LineCheckResult& result)>;

bool checkScript(ScriptLineReader& reader, const LineVisitor& visit, const LineVisitor& visitFinding = {});
