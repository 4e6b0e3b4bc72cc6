#include "JsonText.h"

namespace {

const char replacementCharacterUtf8[] = "\xEF\xBF\xBD";

bool isSurrogateEscape(const QByteArray& json, qsizetype at)
{
    // "\\ud" and a hex digit from 8 to f: D800 to DFFF.
    constexpr char lowerCaseBit = 0x20;
    if (at + 5 >= json.size() || json[at + 1] != 'u' || (json[at + 2] | lowerCaseBit) != 'd')
        return false;
    const char c = char(json[at + 3] | lowerCaseBit);
    return (c >= '8' && c <= '9') || (c >= 'a' && c <= 'f');
}

} // namespace

void appendJsonString(QByteArray& out, const QString& text)
{
    static const char hexDigits[] = "0123456789abcdef";
    constexpr char16_t firstPrintable = 0x20;
    out.append('"');
    qsizetype plainStart = 0;
    const auto flushPlain = [&](qsizetype end) {
        if (end > plainStart)
            out.append(QStringView(text).mid(plainStart, end - plainStart).toUtf8());
    };
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        if (QChar::isSurrogate(c)) {
            if (QChar::isHighSurrogate(c) && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
                ++i;
                continue;
            }
            flushPlain(i);
            plainStart = i + 1;
            out.append(replacementCharacterUtf8);
            continue;
        }
        if (c >= firstPrintable && c != u'"' && c != u'\\')
            continue;
        flushPlain(i);
        plainStart = i + 1;
        switch (c) {
        case u'"': out.append("\\\""); break;
        case u'\\': out.append("\\\\"); break;
        case u'\n': out.append("\\n"); break;
        case u'\r': out.append("\\r"); break;
        case u'\t': out.append("\\t"); break;
        default:
            out.append("\\u00");
            out.append(hexDigits[c >> 4]);
            out.append(hexDigits[c & 0xF]);
        }
    }
    flushPlain(text.size());
    out.append('"');
}

QByteArray validJsonText(QByteArray json)
{
    // Qt writes a surrogate pair as UTF-8, so every such escape stands alone.
    for (qsizetype at = json.indexOf('\\'); at >= 0 && at + 1 < json.size(); at = json.indexOf('\\', at + 2)) {
        if (isSurrogateEscape(json, at))
            json.replace(at + 2, 4, "fffd");
    }
    return json;
}
