#pragma once

#include <QByteArray>
#include <QString>

// How a script file's bytes map to its text. Scripts are UTF-8, written
// without a byte-order mark; but many old ones were written in Windows-1252,
// and such a file is kept in that encoding so that loading and saving it
// changes no byte the user did not edit.
enum class ScriptEncoding { Utf8, Windows1252 };

struct DecodedScript {
    QString text;
    ScriptEncoding encoding = ScriptEncoding::Utf8;
};

// Valid UTF-8 decodes as UTF-8; anything else as Windows-1252, which maps
// every byte to a character, so nothing is replaced and nothing is lost. A
// leading byte-order mark is dropped in either case.
DecodedScript decodeScriptBytes(const QByteArray& bytes);

// The encoding a text is actually written in when the file had `preferred`.
// A Windows-1252 file into which the user typed a character that code page
// lacks is written as UTF-8:
// writing it as Windows-1252 would silently lose that character, whereas
// mIRC and every other editor read the UTF-8 file back with every character.
ScriptEncoding encodingForSave(const QString& text, ScriptEncoding preferred);

// The bytes of `text` in encodingForSave(text, preferred).
QByteArray encodeScriptText(const QString& text, ScriptEncoding preferred);
