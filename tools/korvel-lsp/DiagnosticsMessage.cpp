#include "DiagnosticsMessage.h"

#include "JsonText.h"

#include <charconv>

namespace {

// Enough for the decimal digits of any int.
constexpr int maxDigits = 12;

struct Digits {
    char text[maxDigits];
    qsizetype length;
};

Digits digitsOf(int number)
{
    Digits digits;
    digits.length = std::to_chars(digits.text, digits.text + maxDigits, number).ptr - digits.text;
    return digits;
}

} // namespace

QByteArray publishDiagnosticsMessage(const QString& uri, int version, const CheckedDocument& document)
{
    QByteArray out;
    out.append("{\"jsonrpc\":\"2.0\",\"method\":\"textDocument/publishDiagnostics\",\"params\":{\"uri\":");
    appendJsonString(out, uri);
    if (version >= 0)
        out.append(",\"version\":").append(QByteArray::number(version));
    out.append(",\"diagnostics\":");
    appendDiagnosticsArray(out, document);
    out.append("}}");
    return out;
}

void appendDiagnosticsArray(QByteArray& out, const CheckedDocument& document)
{
    out.append('[');
    // Thousands of diagnostics are copied, not appended piece by piece:
    // the size first, then the bytes straight into place.
    const int lineCount = document.lineCount();
    qsizetype size = 0;
    for (int i = 0; i < lineCount; ++i) {
        const LineDiagnosticsJson& json = document.diagnosticsJson(i);
        if (!json.text.isEmpty())
            size += json.sizeWith(digitsOf(i).length) + 1; // and a comma
    }
    const qsizetype start = out.size();
    out.resize(start + size);
    char* at = out.data() + start;
    for (int i = 0; i < lineCount; ++i) {
        const LineDiagnosticsJson& json = document.diagnosticsJson(i);
        if (json.text.isEmpty())
            continue;
        if (at != out.data() + start)
            *at++ = ',';
        const Digits line = digitsOf(i);
        at = json.copyTo(at, line.text, line.length);
    }
    // The comma counted for the first line was not written.
    out.resize(at - out.data());

    // Blocks never closed: their errors stand at header lines, found over
    // the whole document rather than by a line's own check.
    for (const UnclosedBlock::Tracker::Finding& finding : document.unclosedBlocks()) {
        const int end = int(document.line(finding.line).text.size());
        const LineDiagnosticsJson json = LineDiagnosticsJson::write({finding.diagnostic}, {end});
        const Digits line = digitsOf(finding.line);
        const qsizetype from = out.size();
        const bool first = from == start;
        out.resize(from + json.sizeWith(line.length) + (first ? 0 : 1));
        char* to = out.data() + from;
        if (!first)
            *to++ = ',';
        json.copyTo(to, line.text, line.length);
    }
    out.append(']');
}
