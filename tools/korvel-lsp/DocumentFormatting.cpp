#include "DocumentFormatting.h"

#include "ProtocolJson.h"
#include "formatting/BraceIndenter.h"

#include <QJsonObject>

QJsonArray formattingEdits(const CheckedDocument& document)
{
    QJsonArray edits;
    BraceIndenter indenter;
    for (int i = 0; i < document.lineCount(); ++i) {
        const QString& text = document.line(i).text;
        const int wanted = indenter.wantedIndent(text);
        const int have = BraceIndenter::leadingSpaces(text);
        if (wanted == have)
            continue;
        // As the editor does: missing spaces go after the ones the line has,
        // surplus ones are cut from the end of them.
        const int from = qMin(wanted, have);
        edits.append(QJsonObject{{QStringLiteral("range"), jsonRange(i, from, i, have)},
                                 {QStringLiteral("newText"), QString(qMax(wanted - have, 0), QLatin1Char(' '))}});
    }
    return edits;
}
