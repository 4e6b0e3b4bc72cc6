#pragma once

#include "CheckedDocument.h"

#include <QJsonValue>

// The answers to the position requests, read from the checker's records of
// the line (its identifier occurrences and the document's headers) and
// from the identifier reference. Each returns the request's "result": null
// where there is nothing to say.

// textDocument/hover: over a built-in identifier called with parentheses,
// its parameter list and the call tip's overloads with their descriptions.
QJsonValue hoverAt(const CheckedDocument& document, TextPosition position);

// textDocument/completion: after "$" (and the letters typed since), the
// built-in identifiers and the document's aliases; after a "." behind an
// identifier's parameter list, that identifier's properties; in a
// statement's first word, the commands with their usage and description.
// An empty list elsewhere.
QJsonValue completionAt(const CheckedDocument& document, TextPosition position);

// textDocument/signatureHelp: inside a built-in identifier's parentheses,
// its overloads with the parameter the caret is in.
QJsonValue signatureHelpAt(const CheckedDocument& document, TextPosition position);
