#pragma once

#include <QString>
#include <QStringList>

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

// `line` is the header line of one of the five popup sections, in any case.
bool isPopupSectionLine(const QString& line);

} // namespace ScriptLayout
