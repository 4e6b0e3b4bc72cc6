#pragma once

#include "checker/core/DocumentKind.h"

#include <QString>
#include <QStringList>
#include <QStringView>
#include <utility>

// The line structure of the two script file formats, between the decoded
// file contents and the text the editor shows (which has "\n" line ends).
namespace ScriptLayout {

// CR LF, LF and a lone CR all end a line in a script file (files come from
// every platform and mixed editors); in the editor each becomes "\n". So do
// the paragraph separator U+2029 and the characters U+FDD0 and U+FDD1, which
// the editor's document takes as line breaks too.
QString toEditorLineEnds(QString fileText);

// The lines of an editor text; a text ending in "\n" (or an empty text)
// has no extra empty line after its last line end.
QStringList lines(const QString& editorText);

// A character that ends a line in a script file: "\n", "\r" (alone or
// before "\n"), the paragraph separator U+2029 and U+FDD0, U+FDD1, which
// the editor's document takes as line breaks too.
inline bool isLineEnd(QChar c)
{
    const char16_t u = c.unicode();
    if (u > u'\r' && u < 0x2029)
        return false; // nearly every character: one comparison pair
    return u == u'\n' || u == u'\r' || u == 0x2029 || u == 0xFDD0 || u == 0xFDD1;
}

// Cuts a text handed over in pieces into lines at the line ends
// toEditorLineEnds knows, for files read piece by piece.
class LineSplitter {
public:
    // Hands `visit` every line the piece completes, in order.
    template <typename Visit> void add(QStringView piece, Visit visit)
    {
        if (afterCarriageReturn && piece.startsWith(u'\n'))
            piece = piece.sliced(1);
        afterCarriageReturn = false;
        qsizetype start = 0;
        for (qsizetype i = 0; i < piece.size(); ++i) {
            const QChar c = piece[i];
            if (!isLineEnd(c))
                continue;
            partial.append(piece.sliced(start, i - start));
            visit(std::exchange(partial, QString()));
            if (c == u'\r') {
                if (i + 1 == piece.size())
                    afterCarriageReturn = true;
                else if (piece[i + 1] == u'\n')
                    ++i;
            }
            start = i + 1;
        }
        partial.append(piece.sliced(start));
    }
    // After the last piece: the text after the last line end (possibly
    // empty), the last line of the text.
    QString finish();

private:
    QString partial;
    bool afterCarriageReturn = false;
};

// Plain scripts: the file holds the text itself, with CR LF line ends.
QString plainTextFromFile(QString fileText);
QString plainFileFromText(const QString& editorText);

// INI scripts: each line of the text is the value of one numbered key. On
// loading, every section header line ("[...]", whatever the section) is
// dropped and every other line loses everything up to its first "="; each
// kept line ends in "\n", so the text ends in one. On saving, the file gets
// exactly one "[script]" section with the keys n0, n1, ... in order.
//
// Popup files keep each popup menu in a section of its own ("[cpopup]",
// "[mpopup]", ...). Loaded with keepPopupSections, the header lines of those
// sections stay in the text as lines; saved with popupSectionLines, such a
// line starts a new section, numbered from n0 again, and the text before the
// first one goes under `section`.
QString iniTextFromFile(const QString& fileText, bool keepPopupSections = false);
QString iniFileFromText(const QString& editorText, const QString& section = QStringLiteral("script"),
                        bool popupSectionLines = false);

// The section names of an INI file, as written (without the brackets), in
// file order.
QStringList iniSections(const QString& fileText);
// The section a line of an INI file opens, or false when it opens none.
bool iniSectionName(QStringView line, QString* section);

// Where the text of one line of an INI file starts in it (after the key's
// "="), or -1 for a line the text leaves out (a section header).
int iniLineStart(QStringView line, bool keepPopupSections = false);

// What an INI file holds, from its section names: the kind, the section
// its lines are saved under again (empty for remote scripts), and whether
// the popup sections stay in the text as lines (a popup file of several
// popup menus).
struct IniShape {
    DocumentKind kind = DocumentKind::Remote;
    QString section;
    bool keepPopupSections = false;
};
IniShape iniShape(const QStringList& sections);

// `line` is the header line of one of the five popup sections, in any case.
bool isPopupSectionLine(const QString& line);

} // namespace ScriptLayout
