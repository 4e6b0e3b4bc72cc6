#pragma once

#include <QByteArray>
#include <QString>

// How a script file's bytes map to its text. Scripts are UTF-8, written
// without a byte-order mark; but many old ones were written in Windows-1252,
// and such a file is kept in that encoding so that loading and saving it
// changes no byte the user did not edit. Windows editors also save scripts
// as UTF-16 behind a byte-order mark, which mIRC reads too; such a file is
// read as UTF-16 and saved as UTF-8 like every script this program writes.
enum class ScriptEncoding { Utf8, Windows1252, Utf16LittleEndian, Utf16BigEndian };

// The name of an encoding as the user sees it: "UTF-8", "Windows-1252",
// "UTF-16 LE", "UTF-16 BE".
QString scriptEncodingName(ScriptEncoding encoding);

struct DecodedScript {
    QString text;
    ScriptEncoding encoding = ScriptEncoding::Utf8;
};

// A UTF-16 byte-order mark (FF FE little-endian, FE FF big-endian) followed
// by well-formed UTF-16 decodes as UTF-16. Otherwise valid UTF-8 decodes as
// UTF-8, and anything else as Windows-1252, which maps every byte to a
// character, so nothing is replaced and nothing is lost (a cut-off or
// broken UTF-16 file thus keeps every byte). A leading byte-order mark is
// dropped from the text.
DecodedScript decodeScriptBytes(const QByteArray& bytes);

// The encoding a text is actually written in when the file had `preferred`.
// A Windows-1252 file into which the user typed a character that code page
// lacks is written as UTF-8:
// writing it as Windows-1252 would silently lose that character, whereas
// mIRC and every other editor read the UTF-8 file back with every character.
// A UTF-16 file is always written as UTF-8.
ScriptEncoding encodingForSave(const QString& text, ScriptEncoding preferred);

// The bytes of `text` in encodingForSave(text, preferred).
QByteArray encodeScriptText(const QString& text, ScriptEncoding preferred);
