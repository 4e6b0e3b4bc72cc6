#pragma once

#include "ScriptEncoding.h"
#include "checker/core/DocumentKind.h"

#include <QFile>
#include <QString>

// A script file as the editor and korvel-check see it: its text with "\n"
// line ends, and the encoding to write it back in.
struct LoadedScript {
    bool ok = false;
    QString text;
    ScriptEncoding encoding = ScriptEncoding::Utf8;
    QString error; // why the file could not be read (without its path); empty when ok
    // What the file holds: from its INI sections, or for a plain file from
    // its lines (DocumentKinds::fromSections, fromContent).
    DocumentKind kind = DocumentKind::Remote;
    // For an INI file of a kind other than remote: the section its lines
    // came from, as written, to save them under again. Empty otherwise.
    QString iniSection;
};

// Reading and writing the two script formats: plain scripts (".mrc" and
// anything else) and INI scripts, whose lines are numbered keys of a
// "[script]" section.
namespace ScriptFile {

// True when the file name ends in ".ini", in any case (the test looks at the
// last four characters of the name only).
bool isIniScript(const QString& path);

// Loads a plain or INI script according to isIniScript. A file that cannot
// be read (missing, a folder, unreadable, too large) gives ok = false, an
// empty text and the reason in `error`.
LoadedScript load(const QString& path);

// Opens `file` (its name set) for reading as load() does: only a regular
// file of at most maximumFileSize bytes. False, with the reason in
// `*error`, when it cannot be read.
bool openForReading(QFile& file, QString* error);

// Writes `text` (an editor text with "\n" line ends) in the format the path
// calls for, with CR LF line ends, in encodingForSave(text, encoding). An
// INI file gets the section `iniSection`, or the kind's own section when it
// is empty; remote scripts always get "[script]".
// The file is replaced only once the new contents are completely written:
// on failure the old file stays as it was, the function returns false and
// `*error` (when given) says why.
bool save(const QString& path, const QString& text, ScriptEncoding encoding, QString* error,
          DocumentKind kind = DocumentKind::Remote, const QString& iniSection = QString());

// The encoding save() will really use; the editor remembers it after a
// successful save so that the next save and the status show the truth.
inline ScriptEncoding encodingForSave(const QString& text, ScriptEncoding encoding)
{
    return ::encodingForSave(text, encoding);
}

// The text to save from a QTextDocument's toRawText(). toPlainText() must
// not be used for saving: it turns no-break spaces (byte 0xA0 of many
// Windows-1252 scripts) into spaces and line separators into line ends.
// In the raw text only the block separators need to become "\n".
QString editorTextFromRawDocumentText(QString rawText);

// Files above this size are refused: the editor could not show them in any
// useful way, and reading one must not exhaust the memory.
constexpr qint64 maximumFileSize = qint64(256) * 1024 * 1024;

} // namespace ScriptFile
