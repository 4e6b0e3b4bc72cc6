#pragma once

#include "CheckedDocument.h"

#include <QByteArray>
#include <QJsonObject>

// Semantic tokens: the formats the checker painted on each line (its format
// spans), as the token types of SemanticTokenTypes, so that a client colours
// a script as the editor does.

// The legend the server announces: the token types and modifiers the
// tokens' indices and bits refer to.
QJsonObject semanticTokensLegend();

// The result of textDocument/semanticTokens/full (and /range) as JSON text,
// {"data":[...]}: the tokens of the lines from firstLine to lastLine
// (clamped to the document), five integers each, relative to the token
// before, as the protocol encodes them.
QByteArray semanticTokensJson(const CheckedDocument& document, int firstLine, int lastLine);
