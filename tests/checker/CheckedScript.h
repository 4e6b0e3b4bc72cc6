#pragma once

#include "FileBytes.h"
#include "korvel-check/ScriptRun.h"

#include <QTemporaryDir>

// Checks `text` as a script file the way korvel-check and the editor check
// one (as a file of `kind`, or of the kind its lines tell) and hands every
// line to `visit`.
inline void checkText(const QString& text, const LineVisitor& visit, const DocumentKind* kind = nullptr)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("script.mrc"));
    writeBytes(path, text.toUtf8());
    ScriptLineReader reader;
    QVERIFY(reader.open(path, kind));
    QVERIFY(checkScript(reader, visit));
}

// Every diagnostic found in `text`, as "LINE:POS MESSAGE".
inline QStringList findingsIn(const QString& text, const DocumentKind* kind = nullptr)
{
    QStringList found;
    checkText(
        text,
        [&found](const ScriptLine& line, const LineCheckResult& result) {
            for (const LineDiagnostic& d : result.diagnostics)
                found << QStringLiteral("%1:%2 %3").arg(line.number).arg(d.pos).arg(d.message);
        },
        kind);
    return found;
}
