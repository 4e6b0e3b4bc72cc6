#pragma once

#include "checker/core/FormatId.h"
#include "checker/core/LineCheckResult.h"
#include "checker/core/MslChecker.h"

#include <QString>
#include <QStringList>

// Why a checker result leaves a line of `length` (a span, diagnostic or
// identifier outside it), or "" when everything stays inside.
inline QString outsideLine(const LineCheckResult& result, int length)
{
    if (result.formats.size() != length)
        return QStringLiteral("%1 formats for %2 characters").arg(result.formats.size()).arg(length);
    for (const LineDiagnostic& d : result.diagnostics)
        if (d.pos < 0 || d.pos > length)
            return QStringLiteral("diagnostic at %1 of %2: %3").arg(d.pos).arg(length).arg(d.message);
    for (const IdentifierRecord& r : result.identifiers)
        if (r.start < 0 || r.start >= length || r.end > length)
            return QStringLiteral("identifier at %1..%2 of %3").arg(r.start).arg(r.end).arg(length);
    return QString();
}

// The painted runs of a result, "start+length=formatName", in line order.
inline QStringList spanTexts(const LineCheckResult& result)
{
    QStringList texts;
    for (const FormatSpan& s : result.spans())
        texts << QStringLiteral("%1+%2=%3").arg(s.start).arg(s.length).arg(formatName(s.format));
    return texts;
}

// A diagnostic as the tests' tables write it: "3@10 [on text] message".
inline QString diag(int type, int pos, const QString& block, const QString& message)
{
    return QStringLiteral("%1@%2 [%3] %4").arg(type).arg(pos).arg(block, message);
}

// Runs the checker over one line, lower-cased as the editor hands it over,
// and describes what it produced in short texts that the tests' tables
// compare against.
struct CheckedLine {
    LineCheckResult result;
    int length;

    CheckedLine(const QString& line, int previousState)
        : length(int(line.size()))
    {
        MslChecker checker;
        checker.checkLine(MslChecker::lowerCased(line), previousState, result);
    }

    QString outside() const { return outsideLine(result, length); }

    // "3@10 [on text] target parameter is missing", in raising order.
    QStringList diagnostics() const
    {
        QStringList texts;
        for (const LineDiagnostic& d : result.diagnostics)
            texts << diag(int(d.type), d.pos, d.block, d.message);
        return texts;
    }

    QStringList spans() const { return spanTexts(result); }

    // "3 text|hello@10": kind, name, detail and name position of the
    // recorded header; "local" is appended for a local alias or dialog;
    // "" when the line recorded none.
    QString header() const
    {
        const HeaderRecord& h = result.header;
        if (h.blockKind == HeaderKind::None)
            return QString();
        QString text = QStringLiteral("%1 %2").arg(int(h.blockKind)).arg(h.blockName);
        if (h.blockKind == HeaderKind::Event)
            text += QLatin1Char('|') + h.blockDetail;
        text += QLatin1Char('@') + QString::number(h.namePos);
        if (h.isLocal)
            text += QStringLiteral(" local");
        return text;
    }

    // The name of the format of every character in [start, start + length),
    // or "mixed" when they differ.
    QString formatOf(int start, int count) const
    {
        if (start < 0 || count <= 0 || start + count > result.formats.size())
            return QStringLiteral("out of range");
        const FormatId first = result.formats[start];
        for (int i = start + 1; i < start + count; ++i)
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
            const QString actual = formatOf(paint.left(plus).toInt(), paint.mid(plus + 1, equals - plus - 1).toInt());
            if (actual != paint.mid(equals + 1))
                return paint + QStringLiteral(" but was ") + actual;
        }
        return QString();
    }
};
