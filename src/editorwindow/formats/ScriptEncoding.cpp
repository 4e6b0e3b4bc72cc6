#include "ScriptEncoding.h"

#include "Windows1252.h"

#include <QStringDecoder>

namespace {

const char utf8Bom[] = "\xEF\xBB\xBF";

// Decodes strictly: an initial byte-order mark of the content is kept as a
// character, and `valid` says whether every byte sequence was well formed.
// Stateless, so that a sequence cut off by the end of the file is an error
// instead of being held back for more input.
QString decodeUtf8(const QByteArray& bytes, bool& valid)
{
    QStringDecoder decoder(QStringConverter::Utf8,
                           QStringConverter::Flag::ConvertInitialBom | QStringConverter::Flag::Stateless);
    QString text = decoder.decode(bytes);
    valid = !decoder.hasError();
    return text;
}

} // namespace

DecodedScript decodeScriptBytes(const QByteArray& bytes)
{
    const bool hasBom = bytes.startsWith(utf8Bom);
    bool valid = false;
    QString text = decodeUtf8(hasBom ? bytes.mid(3) : bytes, valid);
    if (valid)
        return {text, hasBom ? ScriptEncoding::Utf8WithBom : ScriptEncoding::Utf8};
    return {Windows1252::decode(bytes), ScriptEncoding::Windows1252};
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
    QByteArray bytes = text.toUtf8();
    if (preferred == ScriptEncoding::Utf8WithBom)
        bytes.prepend(utf8Bom);
    return bytes;
}
