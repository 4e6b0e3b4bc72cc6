#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringDecoder>

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

// Tells a file's encoding by the rules of decodeScriptBytes from its bytes
// handed over in pieces, so that a large file need not be held whole.
class ScriptEncodingDetector {
public:
    void add(QByteArrayView bytes);
    // After the last piece: the encoding, and the size of the byte-order
    // mark the text starts after.
    ScriptEncoding finish();
    int markSize() const { return mark; }

private:
    enum class Utf16Mark { None, LittleEndian, BigEndian };

    void readHead();
    void addUtf16(QByteArrayView bytes);
    void addUtf8(QByteArrayView bytes);

    QByteArray head; // the first bytes, until the marks can be told
    bool headRead = false;
    Utf16Mark utf16Mark = Utf16Mark::None;
    bool utf8Mark = false;
    bool utf16Valid = true;
    bool expectLowSurrogate = false;
    int utf16Pending = -1; // the first byte of a code unit cut by a piece's end
    bool utf8Valid = true;
    QByteArray utf8Pending; // a sequence cut by a piece's end
    int mark = 0;
};

// Decodes a file's bytes (after its mark) piece by piece in a known encoding.
class ScriptDecoder {
public:
    explicit ScriptDecoder(ScriptEncoding encoding);
    QString decode(QByteArrayView bytes);

private:
    ScriptEncoding encoding;
    QStringDecoder decoder;
};

// The encoding a text is actually written in when the file had `preferred`.
// A Windows-1252 file into which the user typed a character that code page
// lacks is written as UTF-8:
// writing it as Windows-1252 would silently lose that character, whereas
// mIRC and every other editor read the UTF-8 file back with every character.
// A UTF-16 file is always written as UTF-8.
ScriptEncoding encodingForSave(const QString& text, ScriptEncoding preferred);

// The bytes of `text` in encodingForSave(text, preferred).
QByteArray encodeScriptText(const QString& text, ScriptEncoding preferred);
