#include "ScriptEncoding.h"

#include "Windows1252.h"

namespace {

const char utf8Bom[] = "\xEF\xBB\xBF";
const char utf16LittleEndianBom[] = "\xFF\xFE";
const char utf16BigEndianBom[] = "\xFE\xFF";
constexpr int utf8BomSize = 3;
constexpr int utf16BomSize = 2;

// How many bytes at the end of `bytes` start a UTF-8 sequence that only the
// next piece can complete (0 when the last sequence is whole or broken).
qsizetype cutSequenceLength(QByteArrayView bytes)
{
    for (qsizetype back = 1; back <= 3 && back <= bytes.size(); ++back) {
        const auto byte = static_cast<unsigned char>(bytes[bytes.size() - back]);
        if ((byte & 0xC0) == 0x80)
            continue; // a continuation byte: its lead is further back
        const int length = byte >= 0xF0 ? 4 : byte >= 0xE0 ? 3 : byte >= 0xC0 ? 2 : 1;
        return length > back ? back : 0;
    }
    return 0;
}

QStringConverter::Encoding converterOf(ScriptEncoding encoding)
{
    switch (encoding) {
    case ScriptEncoding::Utf16LittleEndian: return QStringConverter::Utf16LE;
    case ScriptEncoding::Utf16BigEndian: return QStringConverter::Utf16BE;
    case ScriptEncoding::Utf8:
    case ScriptEncoding::Windows1252: break;
    }
    return QStringConverter::Utf8;
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
    ScriptEncodingDetector detector;
    detector.add(bytes);
    DecodedScript decoded;
    decoded.encoding = detector.finish();
    decoded.text = ScriptDecoder(decoded.encoding).decode(QByteArrayView(bytes).sliced(detector.markSize()));
    return decoded;
}

void ScriptEncodingDetector::add(QByteArrayView bytes)
{
    if (!headRead) {
        const qsizetype taken = qMin(bytes.size(), qsizetype(utf8BomSize) - head.size());
        head.append(bytes.first(taken));
        bytes = bytes.sliced(taken);
        if (head.size() < utf8BomSize)
            return;
        readHead();
    }
    addUtf16(bytes);
    addUtf8(bytes);
}

// The marks, then the bytes of the head after them.
void ScriptEncodingDetector::readHead()
{
    headRead = true;
    if (head.startsWith(utf16LittleEndianBom))
        utf16Mark = Utf16Mark::LittleEndian;
    else if (head.startsWith(utf16BigEndianBom))
        utf16Mark = Utf16Mark::BigEndian;
    utf8Mark = head.startsWith(utf8Bom);
    const QByteArrayView bytes(head);
    addUtf16(bytes.sliced(qMin(bytes.size(), qsizetype(utf16BomSize))));
    addUtf8(bytes.sliced(utf8Mark ? utf8BomSize : 0));
}

// Well-formed UTF-16: whole code units, and every surrogate with its
// partner. Broken UTF-16 is not taken as UTF-16, because turning the broken
// parts into replacement characters would lose them.
void ScriptEncodingDetector::addUtf16(QByteArrayView bytes)
{
    if (utf16Mark == Utf16Mark::None || !utf16Valid)
        return;
    const bool littleEndian = utf16Mark == Utf16Mark::LittleEndian;
    for (const char byte : bytes) {
        const int value = static_cast<unsigned char>(byte);
        if (utf16Pending < 0) {
            utf16Pending = value;
            continue;
        }
        const QChar unit(char16_t(littleEndian ? utf16Pending | value << 8 : utf16Pending << 8 | value));
        utf16Pending = -1;
        if (unit.isLowSurrogate() != expectLowSurrogate) {
            utf16Valid = false;
            return;
        }
        expectLowSurrogate = unit.isHighSurrogate();
    }
}

// Strict: overlong forms, encoded surrogates and sequences cut off by the
// end of the file are not UTF-8. The check stops at the first bad byte.
void ScriptEncodingDetector::addUtf8(QByteArrayView bytes)
{
    if (!utf8Valid || bytes.isEmpty())
        return;
    QByteArray joined;
    if (!utf8Pending.isEmpty()) {
        joined = utf8Pending + bytes.toByteArray();
        bytes = joined;
    }
    const qsizetype cut = cutSequenceLength(bytes);
    utf8Valid = bytes.chopped(cut).isValidUtf8();
    utf8Pending = bytes.last(cut).toByteArray();
}

ScriptEncoding ScriptEncodingDetector::finish()
{
    if (!headRead)
        readHead(); // a file shorter than the longest mark
    if (utf16Mark != Utf16Mark::None && utf16Valid && utf16Pending < 0 && !expectLowSurrogate) {
        mark = utf16BomSize;
        return utf16Mark == Utf16Mark::LittleEndian ? ScriptEncoding::Utf16LittleEndian
                                                    : ScriptEncoding::Utf16BigEndian;
    }
    // A mark before bytes that are not UTF-8 is as little text as in a UTF-8
    // file; left in, it would hide an INI script's "[script]" line.
    mark = utf8Mark ? utf8BomSize : 0;
    return utf8Valid && utf8Pending.isEmpty() ? ScriptEncoding::Utf8 : ScriptEncoding::Windows1252;
}

// A byte-order mark at the start of the content (after the one already
// taken off) is kept as a character.
ScriptDecoder::ScriptDecoder(ScriptEncoding encoding)
    : encoding(encoding)
    , decoder(converterOf(encoding), QStringConverter::Flag::ConvertInitialBom)
{
}

QString ScriptDecoder::decode(QByteArrayView bytes)
{
    if (encoding == ScriptEncoding::Windows1252)
        return Windows1252::decode(QByteArray::fromRawData(bytes.data(), bytes.size()));
    return decoder.decode(bytes);
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
