#pragma once

#include "core/FormatId.h"
#include "core/LineCheckResult.h"
#include "core/MslChecker.h"

#include <QString>
#include <QStringList>

// Runs the checker over one line and describes what it produced in short
// texts that the tests' tables compare against.
struct CheckedLine {
    LineCheckResult result;

    CheckedLine(const QString& line, int previousState)
    {
        MslChecker checker;
        checker.checkLine(line.toLower(), previousState, result);
    }

    // "3@10 [on text] target parameter is missing", in raising order.
    QStringList diagnostics() const
    {
        QStringList texts;
        for (const LineDiagnostic& d : result.diagnostics)
            texts << QStringLiteral("%1@%2 [%3] %4").arg(d.type).arg(d.pos).arg(d.block, d.message);
        return texts;
    }

    // "3 text|hello@10": kind, name, detail and name position of the
    // recorded header; "local" is appended for a local alias or dialog;
    // "" when the line recorded none.
    QString header() const
    {
        const HeaderRecord& h = result.header;
        if (h.blockKind == 0)
            return QString();
        QString text = QStringLiteral("%1 %2").arg(h.blockKind).arg(h.blockName);
        if (h.blockKind == 3)
            text += QLatin1Char('|') + h.blockDetail;
        text += QLatin1Char('@') + QString::number(h.namePos);
        if (h.isLocal)
            text += QStringLiteral(" local");
        return text;
    }

    // The name of the format of every character in [start, start + length),
    // or "mixed" when they differ.
    QString formatOf(int start, int length) const
    {
        if (start < 0 || length <= 0 || start + length > result.formats.size())
            return QStringLiteral("out of range");
        const FormatId first = result.formats[start];
        for (int i = start + 1; i < start + length; ++i)
            if (result.formats[i] != first)
                return QStringLiteral("mixed");
        return first == FormatId::None ? QStringLiteral("none") : QString(formatName(first));
    }

    // Checks "start+length=formatName" claims; returns the first that does
    // not hold, described, or "" when all hold.
    QString failedPaint(const QStringList& paints) const
    {
        for (const QString& paint : paints) {
            const int plus = paint.indexOf(QLatin1Char('+'));
            const int equals = paint.indexOf(QLatin1Char('='));
            const int start = paint.left(plus).toInt();
            const int length = paint.mid(plus + 1, equals - plus - 1).toInt();
            const QString actual = formatOf(start, length);
            if (actual != paint.mid(equals + 1))
                return paint + QStringLiteral(" but was ") + actual;
        }
        return QString();
    }
};
