#pragma once

#include "checker/core/FormatId.h"

// How a format the checker paints shows as a semantic token: one of the
// protocol's standard token types and modifiers (by name, as the legend
// lists them). Formats without an entry (the problem formats, which the
// diagnostics show) give no token.
struct SemanticTokenType {
    FormatId format;
    const char* type;
    const char* modifier; // nullptr for none
};

namespace SemanticTokenTypes {
extern const SemanticTokenType entries[];
extern const int entryCount;
} // namespace SemanticTokenTypes
