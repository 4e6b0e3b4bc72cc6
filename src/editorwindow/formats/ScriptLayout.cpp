#include "ScriptLayout.h"

#include <utility>

namespace ScriptLayout {

QString toEditorLineEnds(QString text)
{
    if (!text.contains(QLatin1Char('\r')))
        return text;
    // Compacted in place through pointers: this runs over every character of
    // every file korvel-check reads, and the result is never longer.
    QChar* out = text.data();
    const QChar* in = out;
    const QChar* const end = in + text.size();
    while (in < end) {
        const QChar c = *in++;
        if (c != QLatin1Char('\r')) {
            *out++ = c;
            continue;
        }
        *out++ = QLatin1Char('\n');
        if (in < end && *in == QLatin1Char('\n'))
            ++in;
    }
    text.truncate(out - text.constData());
    return text;
}

QStringList lines(const QString& editorText)
{
    QStringList result = editorText.split(QLatin1Char('\n'));
    // split() yields an empty piece after a final line end (and for an
    // empty text), which is not a line of the script.
    if (result.last().isEmpty())
        result.removeLast();
    return result;
}

QString plainTextFromFile(QString fileText)
{
    return toEditorLineEnds(std::move(fileText));
}

QString plainFileFromText(const QString& editorText)
{
    QString text = toEditorLineEnds(editorText);
    text.replace(QLatin1Char('\n'), QLatin1String("\r\n"));
    return text;
}

QString iniTextFromFile(const QString& fileText)
{
    QString text;
    text.reserve(fileText.size());
    for (const QString& line : lines(toEditorLineEnds(fileText))) {
        if (line.startsWith(QLatin1Char('[')))
            continue;
        const int equals = line.indexOf(QLatin1Char('='));
        text.append(QStringView(line).mid(equals + 1));
        text.append(QLatin1Char('\n'));
    }
    return text;
}

QString iniFileFromText(const QString& editorText)
{
    QString file = QStringLiteral("[script]\r\n");
    file.reserve(editorText.size() + editorText.size() / 4 + 16);
    int number = 0;
    for (const QString& line : lines(toEditorLineEnds(editorText))) {
        file.append(QLatin1Char('n'));
        file.append(QString::number(number++));
        file.append(QLatin1Char('='));
        file.append(line);
        file.append(QLatin1String("\r\n"));
    }
    return file;
}

} // namespace ScriptLayout
