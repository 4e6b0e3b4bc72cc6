#include "BenchScript.h"

#include "formats/ScriptFile.h"

#include <QDir>

#include <ctime>

namespace {

QString corpusFolder()
{
    const QString fromEnvironment = qEnvironmentVariable("KORVEL_CORPUS");
    return fromEnvironment.isEmpty() ? QStringLiteral(KORVEL_DEFAULT_CORPUS) : fromEnvironment;
}

QString corpusText(QString& origin)
{
    const QDir folder(corpusFolder());
    const QStringList names = folder.entryList({"*.mrc", "*.ini"}, QDir::Files, QDir::Name);
    QString text;
    for (const QString& name : names) {
        const LoadedScript script = ScriptFile::load(folder.filePath(name));
        if (!script.ok)
            continue;
        text += script.text;
        if (!text.endsWith(QLatin1Char('\n')))
            text += QLatin1Char('\n');
    }
    origin = QStringLiteral("%1 corpus files from %2").arg(names.size()).arg(folder.path());
    return text;
}

QString madeUpText(QString& origin)
{
    origin = QStringLiteral("made-up scripts (no corpus found)");
    QString text;
    for (int i = 0; i < 2000; ++i) {
        text += QStringLiteral("; helper number %1\n"
                               "alias -l helper%1 {\n"
                               "  var %%count = $calc(%%count + $len($1-))\n"
                               "  if (%%count > 10) { echo -a $+(too,$chr(32),many) | halt }\n"
                               "  elseif ($nick isop $chan) msg $chan $upper($1)\n"
                               "  else { .timer 1 5 echo -a later }\n"
                               "  return %%count\n"
                               "}\n"
                               "on *:TEXT:!hi*:#:{ notice $nick hello $nick ; TODO greet better }\n"
                               "menu nicklist {\n"
                               "  Whois:whois $$1\n"
                               "}\n")
                    .arg(i);
    }
    return text;
}

} // namespace

BenchScript loadBenchScript(int minimumLines, int maximumLines)
{
    BenchScript script;
    QString base = corpusText(script.origin);
    if (base.isEmpty())
        base = madeUpText(script.origin);
    const int baseLines = int(base.count(QLatin1Char('\n')));
    int copies = 1;
    while (copies * baseLines < minimumLines)
        ++copies;
    script.text = base.repeated(copies);
    if (maximumLines > 0) {
        // Cut at the line end that closes line number maximumLines.
        qsizetype end = -1;
        for (int line = 0; line < maximumLines; ++line) {
            const qsizetype next = script.text.indexOf(QLatin1Char('\n'), end + 1);
            if (next < 0)
                break;
            end = next;
        }
        if (end >= 0)
            script.text.truncate(end);
    }
    script.lines = int(script.text.count(QLatin1Char('\n'))) + 1;
    return script;
}

double processorSeconds()
{
    return double(std::clock()) / CLOCKS_PER_SEC;
}
