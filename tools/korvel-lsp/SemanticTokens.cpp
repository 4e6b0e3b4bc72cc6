#include "SemanticTokens.h"

#include "SemanticTokenTypes.h"

#include <QJsonArray>
#include <QStringList>

#include <array>
#include <charconv>

namespace {

constexpr int noToken = -1;

// The legend and, for every format id, its token type's index and modifier
// bits, worked out once from the table.
struct Legend {
    QStringList types;
    QStringList modifiers;
    std::array<int, formatIdCount> typeOf;
    std::array<int, formatIdCount> modifiersOf;

    Legend()
    {
        typeOf.fill(noToken);
        modifiersOf.fill(0);
        for (int i = 0; i < SemanticTokenTypes::entryCount; ++i) {
            const SemanticTokenType& entry = SemanticTokenTypes::entries[i];
            const QString type = QString::fromLatin1(entry.type);
            if (!types.contains(type))
                types.append(type);
            typeOf[size_t(entry.format)] = int(types.indexOf(type));
            if (!entry.modifier)
                continue;
            const QString modifier = QString::fromLatin1(entry.modifier);
            if (!modifiers.contains(modifier))
                modifiers.append(modifier);
            modifiersOf[size_t(entry.format)] = 1 << modifiers.indexOf(modifier);
        }
    }
};

const Legend& legend()
{
    static const Legend instance;
    return instance;
}

void appendNumber(QByteArray& out, int number)
{
    char digits[12];
    const char* end = std::to_chars(digits, digits + sizeof digits, number).ptr;
    out.append(digits, end - digits);
}

} // namespace

QJsonObject semanticTokensLegend()
{
    return QJsonObject{{QStringLiteral("tokenTypes"), QJsonArray::fromStringList(legend().types)},
                       {QStringLiteral("tokenModifiers"), QJsonArray::fromStringList(legend().modifiers)}};
}

QByteArray semanticTokensJson(const CheckedDocument& document, int firstLine, int lastLine)
{
    const Legend& tokens = legend();
    QByteArray out("{\"data\":[");
    int previousLine = 0;
    int previousStart = 0;
    bool first = true;
    const int last = qMin(lastLine, document.lineCount() - 1);
    for (int line = qMax(firstLine, 0); line <= last; ++line) {
        for (const FormatSpan& span : document.line(line).spans) {
            const int type = tokens.typeOf[size_t(span.format)];
            if (type == noToken)
                continue;
            if (!first)
                out.append(',');
            first = false;
            appendNumber(out, line - previousLine);
            out.append(',');
            appendNumber(out, line == previousLine ? span.start - previousStart : span.start);
            out.append(',');
            appendNumber(out, span.length);
            out.append(',');
            appendNumber(out, type);
            out.append(',');
            appendNumber(out, tokens.modifiersOf[size_t(span.format)]);
            previousLine = line;
            previousStart = span.start;
        }
    }
    out.append("]}");
    return out;
}
