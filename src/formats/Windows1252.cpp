#include "Windows1252.h"

namespace {

// The characters of the bytes 0x80 to 0x9F; the rest of the code page is
// Latin-1. The five bytes the code page does not define keep the C1 control
// of their own value.
constexpr char16_t highControlRange[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

struct DecodeTable {
    char16_t character[256];
};

constexpr DecodeTable makeDecodeTable()
{
    DecodeTable table{};
    for (int byte = 0; byte < 256; ++byte)
        table.character[byte] = byte >= 0x80 && byte < 0xA0 ? highControlRange[byte - 0x80] : char16_t(byte);
    return table;
}

// Decoding runs over every byte of a file, so it is one look-up per byte.
constexpr DecodeTable decodeTable = makeDecodeTable();

bool byteOf(char16_t c, char& byte)
{
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) {
        byte = char(c);
        return true;
    }
    for (int i = 0; i < 32; ++i) {
        if (highControlRange[i] == c) {
            byte = char(0x80 + i);
            return true;
        }
    }
    return false;
}

} // namespace

namespace Windows1252 {

QString decode(const QByteArray& bytes)
{
    QString text(bytes.size(), Qt::Uninitialized);
    QChar* out = text.data();
    for (const char b : bytes)
        *out++ = QChar(decodeTable.character[static_cast<unsigned char>(b)]);
    return text;
}

bool encode(const QString& text, QByteArray& bytes)
{
    bytes.resize(text.size());
    char* out = bytes.data();
    for (const QChar c : text) {
        if (!byteOf(c.unicode(), *out++))
            return false;
    }
    return true;
}

} // namespace Windows1252
