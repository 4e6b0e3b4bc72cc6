#pragma once

#include "workspace/DocumentAliases.h"

class MslSyntaxHighlighter;

// The aliases of a script window's document as its highlighter has checked
// it: each line's record (header, identifiers) and the state the line
// before it ended in.
DocumentAliases aliasesOfDocument(const MslSyntaxHighlighter& checker);
