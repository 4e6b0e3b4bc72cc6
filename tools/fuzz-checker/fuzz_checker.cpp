#include "checker/core/MslChecker.h"

#include <QString>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

// Input: one byte of flags, four bytes of previous state (any value, -1 and
// values no line ends in included), then the text. The text is read as UTF-16
// when the flags byte is odd (so any QChar, lone surrogates included, can
// occur), else as UTF-8; the flags byte's other bits, taken modulo the number
// of document kinds, choose the kind the lines are checked as (0: remote).
// The text goes through the kind detection, and is split into lines that are
// checked in order with the state carried, as in a document. A script file with the five
// bytes 00 01 00 00 00 before it is a seed that starts at the root.
namespace {

constexpr size_t headerSize = 5;

void fail(const char* what, int value, int length)
{
    std::fprintf(stderr, "%s: %d for a line of %d\n", what, value, length);
    std::abort();
}

void checkBounds(const LineCheckResult& result, int length)
{
    if (result.formats.size() != length)
        fail("format count", int(result.formats.size()), length);
    for (const LineDiagnostic& d : result.diagnostics)
        if (d.pos < 0 || d.pos > length)
            fail("diagnostic position", d.pos, length);
    for (const IdentifierRecord& r : result.identifiers)
        if (r.start < 0 || r.start > length)
            fail("identifier position", r.start, length);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < headerSize)
        return 0;
    const bool utf16 = data[0] & 1;
    const DocumentKind kind = DocumentKinds::at((data[0] >> 1) % DocumentKinds::count());
    int state;
    std::memcpy(&state, data + 1, sizeof state);
    data += headerSize;
    size -= headerSize;

    QString text;
    if (utf16) {
        text.resize(int(size / 2));
        std::memcpy(text.data(), data, size_t(text.size()) * sizeof(QChar));
    } else {
        text = QString::fromUtf8(reinterpret_cast<const char*>(data), int(size));
    }
    DocumentKinds::fromContent(text);
    MslChecker checker;
    LineCheckResult result;
    for (QStringView line : QStringView(text).split(QLatin1Char('\n'))) {
        const QString lower = MslChecker::lowerCased(line.toString());
        checker.checkLine(lower, state, result, kind);
        if (lower.size() != line.size())
            fail("lower-cased length", int(lower.size()), int(line.size()));
        checkBounds(result, int(line.size()));
        state = result.state;
    }
    return 0;
}
