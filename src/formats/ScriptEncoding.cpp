#include "ScriptEncoding.h"

#include "Windows1252.h"

#include <QStringDecoder>

namespace {

const char utf8Bom[] = "\xEF\xBB\xBF";
const char utf16LittleEndianBom[] = "\xFF\xFE";
const char utf16BigEndianBom[] = "\xFE\xFF";
constexpr int utf16BomSize = 2;

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

// The UTF-16 text of `content` (the bytes after the mark), or false when
// it is not well-formed UTF-16: an odd number of bytes, or a surrogate
// without its partner. Such a file is not taken as UTF-16, because turning
// the broken parts into replacement characters would lose them.
bool decodeUtf16(const QByteArray& content, bool littleEndian, QString& text)
{
    if (content.size() % 2 != 0)
        return false;
    text.resize(content.size() / 2);
    const auto* in = reinterpret_cast<const unsigned char*>(content.constData());
    bool expectLowSurrogate = false;
    for (qsizetype i = 0; i < text.size(); ++i, in += 2) {
        const char16_t unit = littleEndian ? char16_t(in[0] | in[1] << 8) : char16_t(in[0] << 8 | in[1]);
        const QChar c(unit);
        if (c.isLowSurrogate() != expectLowSurrogate)
            return false;
        expectLowSurrogate = c.isHighSurrogate();
        text[i] = c;
    }
    return !expectLowSurrogate;
}

} // namespace

QString scriptEncodingName(ScriptEncoding encoding)
{
    switch (encoding) {
    case ScriptEncoding::Utf8: return QStringLiteral("UTF-8");
    case ScriptEncoding::Windows1252: return QStringLiteral("Windows-1252");
    case ScriptEncoding::Utf16LittleEndian: return QStringLiteral("UTF-16 LE");
    case ScriptEncoding::Utf16BigEndian: return QStringLiteral("UTF-16 BE");
    }
    return QString();
}

DecodedScript decodeScriptBytes(const QByteArray& bytes)
{
    for (const bool littleEndian : {true, false}) {
        if (!bytes.startsWith(littleEndian ? utf16LittleEndianBom : utf16BigEndianBom))
            continue;
        QString text;
        if (decodeUtf16(bytes.mid(utf16BomSize), littleEndian, text))
            return {text, littleEndian ? ScriptEncoding::Utf16LittleEndian : ScriptEncoding::Utf16BigEndian};
    }
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
        return ScriptEncoding::Utf8;
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
