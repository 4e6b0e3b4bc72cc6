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
using LineVisitor = std::function<void(const ScriptLine& line, const LineCheckResult& result)>;

bool checkScript(ScriptLineReader& reader, const LineVisitor& visit);
