#include "JsonText.h"

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
