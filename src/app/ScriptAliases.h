#pragma once

#include "workspace/DocumentAliases.h"

class QTextDocument;

// The aliases of a script window's document as its highlighter has checked
// it: each block's record (header, identifiers) and the state the block
// before it ended in.
DocumentAliases aliasesOfDocument(const QTextDocument* document);
