#include "ScriptEncoding.h"

#include "Windows1252.h"

#include <QStringDecoder>

namespace {

const char utf8Bom[] = "\xEF\xBB\xBF";

// Strict: overlong forms, encoded surrogates and sequences cut off by the
// end of the file are not UTF-8. The check stops at the first bad byte, so a
// Windows-1252 file is not decoded twice in full.
bool isUtf8(const QByteArray& bytes)
{
    return QByteArrayView(bytes).isValidUtf8();
}

// An initial byte-order mark of the content (after the one already taken
// off) is kept as a character.
QString decodeUtf8(const QByteArray& bytes)
{
    QStringDecoder decoder(QStringConverter::Utf8, QStringConverter::Flag::ConvertInitialBom);
    return decoder.decode(bytes);
}

} // namespace

DecodedScript decodeScriptBytes(const QByteArray& bytes)
{
    const bool hasBom = bytes.startsWith(utf8Bom);
    const QByteArray content = hasBom ? bytes.mid(3) : bytes;
    if (isUtf8(content))
        return {decodeUtf8(content), ScriptEncoding::Utf8};
    // A mark before bytes that are not UTF-8 is as little text as in a UTF-8
    // file; left in, it would hide an INI script's "[script]" line.
    return {Windows1252::decode(content), ScriptEncoding::Windows1252};
}

ScriptEncoding encodingForSave(const QString& text, ScriptEncoding preferred)
{
    if (preferred != ScriptEncoding::Windows1252)
        return preferred;
    QByteArray unused;
    return Windows1252::encode(text, unused) ? ScriptEncoding::Windows1252 : ScriptEncoding::Utf8;
}

QByteArray encodeScriptText(const QString& text, ScriptEncoding preferred)
{
    if (preferred == ScriptEncoding::Windows1252) {
        QByteArray bytes;
        if (Windows1252::encode(text, bytes))
            return bytes;
        return text.toUtf8();
    }
    return text.toUtf8();
}
