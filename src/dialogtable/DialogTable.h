#pragma once

#include "DialogDesign.h"
#include "DialogStatements.h"

#include <QStringList>
#include <QVector>

// A dialog table read from a script, remembered line for line so that it can
// be written back after the designer changed it.
//
// The designer understands the title (a quoted string), the size (four
// numbers), the option line (pixels or dialog units), the lines of the
// controls it can place (a quoted text where the statement has one, a number
// as id and four numbers as geometry) and the menu bar's entries ("menu" or
// "item", a quoted text or "break" for a separator, a number as id and, for
// an entry inside a menu, the number of a menu understood before it).
// Everything else (comments, tab pages, fields that are identifiers or
// variables) is kept as it stands. Writing back changes only what the design changed, so a
// table read and written back unchanged is the same text.
class DialogTable {
public:
    // A piece of a line: start and length.
    struct Span {
        int start = -1;
        int length = 0;
    };

    // `lines` run from the header ("dialog name {") to the closing "}" line.
    static DialogTable read(const QStringList& lines);

    // The dialog's name from the header line.
    QString name() const;
    DialogStatements::Units units() const { return tableUnits; }
    // The design in pixels: the table converted through DialogUnits when it
    // measures in dialog units. Without a size line the size is empty.
    DialogDesign design() const;
    // The table's lines with the changes of `edited` (a design() whose
    // controls may have moved, changed text, id or styles, grown or shrunk
    // in number; menu entries that changed text or kind, or came or went):
    // changed statements are rewritten in the table's units, the lines of
    // controls and menu entries no longer in the design go, and new controls
    // go before the closing line with their own ids or, without one, ids
    // after the highest one in the table, followed by new menu entries.
    QStringList write(const DialogDesign& edited) const;
    const QStringList& lines() const { return original; }
    // The highest plain-number id of any control statement of the table.
    int highestId() const { return highestControlId; }

private:
    struct ControlLine {
        int line = 0;
        QString type;
        QString text;
        QRect geometry; // in pixels
        int id = 0;
        QStringList styles; // without the type's marker
        Span textSpan;      // inside the quotes; start -1 when the statement has no text
        Span idSpan;
        Span geometrySpan;
        // The last field after the geometry with the comma before it, or
        // the (empty) end of the line when there is none.
        Span stylesSpan;
    };

    struct MenuLine {
        int line = 0;
        DesignMenuEntry entry;
        Span keywordSpan;
        Span textSpan; // inside the quotes
    };

    void readStatement(int index);
    bool readTitle(int index, int pos);
    bool readSize(int index, int pos);
    bool readControl(int index, int pos, const QString& keyword);
    bool readMenuEntry(int index, int pos, DesignMenuEntry::Kind kind);
    bool isMenuRead(int id) const;
    QString statementIndent() const;

    QStringList original;
    DialogStatements::Units tableUnits = DialogStatements::Units::Pixels;
    // Any title and size statement, understood or not: one the designer
    // cannot read is left alone rather than written a second time.
    bool hasTitleStatement = false;
    bool hasSizeStatement = false;
    int titleLine = -1;
    QString title;
    Span titleSpan;
    int sizeLine = -1;
    QSize size;    // in pixels
    Span sizeSpan; // the width and height figures
    int closingLine = -1;
    int highestControlId = 0;
    QVector<ControlLine> controls;
    QVector<MenuLine> menuLines;
};
