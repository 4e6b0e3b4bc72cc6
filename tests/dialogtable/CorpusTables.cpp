#include "CorpusTables.h"

#include "dialogtable/DialogTableLocator.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QStringDecoder>

namespace {

QDir corpusDir()
{
    return QDir(qEnvironmentVariable("KORVEL_CORPUS"));
}

QStringList scriptLines(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray bytes = file.readAll();
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8(bytes);
    // Older scripts are in a single-byte code page.
    if (utf8.hasError())
        text = QString::fromLatin1(bytes);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return text.split(QLatin1Char('\n'));
}

} // namespace

bool corpusAvailable()
{
    return qEnvironmentVariableIsSet("KORVEL_CORPUS") && corpusDir().exists();
}

QVector<CorpusTable> corpusTables()
{
    static const QRegularExpression header(QStringLiteral("^dialog "), QRegularExpression::CaseInsensitiveOption);
    QVector<CorpusTable> tables;
    const QDir dir = corpusDir();
    const QStringList files =
        dir.entryList({QStringLiteral("*.mrc"), QStringLiteral("*.MRC")}, QDir::Files, QDir::Name);
    for (const QString& name : files) {
        const QStringList lines = scriptLines(dir.filePath(name));
        for (int i = 0; i < lines.size(); ++i) {
            if (!header.match(lines[i]).hasMatch())
                continue;
            const DialogTableLocator::Span span = DialogTableLocator::find(lines, i);
            if (span.isValid() && span.header == i)
                tables.append(CorpusTable{name, i, lines.mid(span.header, span.lineCount())});
        }
    }
    return tables;
}
