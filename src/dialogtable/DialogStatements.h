#pragma once

#include "DialogDesign.h"

#include <QString>

// The statement lines the designer writes into a dialog table.
namespace DialogStatements {

enum class Units { Pixels, DialogUnits };

// The indent of statements inside a new table.
extern const QLatin1String indent;

// A text as it stands between the quotes of a statement's field. mSL has no
// escape for a double quote inside the quotes, so one is written as a single
// quote; a statement is one line, so a line break is written as a space.
QString quotable(const QString& text);
// The same text with its quotes: the quoted field of a statement.
QString quoted(const QString& text);
// "x y w h" in the table's units, from pixels.
QString geometryField(const QRect& pixels, Units units);
QString sizeField(const QSize& pixels, Units units);
// A whole control line without indent: the statement, the text where the
// control has one, the id, the geometry, then the word that marks its type
// (if any) and its styles.
QString controlStatement(const DesignControl& control, int id, Units units);
QString titleStatement(const QString& title);
// A menu bar entry without indent: "menu" or "item", the text (the word
// "break" for a separator), the id and the id of the menu it is in (none for
// a menu on the bar).
QString menuStatement(const DesignMenuEntry& entry);
// The word that starts the statement of an entry of that kind.
QLatin1String menuKeyword(DesignMenuEntry::Kind kind);
// The word an item statement has in place of its text to be a separator.
extern const QLatin1String separatorWord;

} // namespace DialogStatements
