#pragma once

#include <QChar>
#include <QString>

// Where in a line a completion applies and what has been typed of it. The
// line is the caret's line as written; caret is a position in it.
namespace CompletionContext {

// The text from the last `marker` before the caret up to the caret,
// the marker included; the whole line up to the caret when no marker
// precedes it. The identifier popup follows "$", the property popup ".",
// the colour popup the colour control character.
QString textFromLastMarker(const QString& line, int caret, QChar marker);

// The single command of a "|"-separated line in which the caret stands:
// the separator is a space, a "|" and a space (or the end of the line).
QString commandUnderCaret(const QString& line, int caret);

// True when command is a /comopen command that already has its connection
// name and has begun its ProgID: "comopen name prog...", with up to four
// leading "." "!" "/" and any case.
bool isComOpenWithProgId(const QString& command);

// Where the command name the caret stands in or right after starts, when
// it is the first word of a statement: before it (and any "/", "." or "!"
// written before it) comes a "|" or "{" and a space, or nothing but spaces
// in a line that starts inside a body (the state the line before it ended
// in). -1 when the caret is in no such word.
int commandNameStart(const QString& line, int caret, int previousState);

// The whitespace-free word the caret stands in or at the end of: it runs on
// over the non-space characters after the caret. Empty when the caret stands
// after a space.
QString wordAroundCaret(const QString& line, int caret);

// The ProgID prefix typed at the caret when it stands in the third word of
// a /comopen command; empty otherwise.
QString comProgIdPrefix(const QString& line, int caret);

} // namespace CompletionContext
