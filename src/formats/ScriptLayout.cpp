#include "ScriptLayout.h"

#include "checker/core/DocumentKind.h"

#include <utility>

namespace ScriptLayout {

namespace {

// The editor's document starts a new line at each of these besides "\n" and
// keeps none of them in the text; korvel-check must count the same lines.
bool isOtherLineBreak(QChar c)
{
    return c == QLatin1Char('\r') || c == QChar::ParagraphSeparator || c == QChar(0xFDD0) || c == QChar(0xFDD1);
}

} // namespace

QString toEditorLineEnds(QString text)
{
    qsizetype first = 0;
    while (first < text.size() && !isOtherLineBreak(text.at(first)))
        ++first;
    if (first == text.size())
        return text;
    // Compacted in place through pointers: this runs over every character of
    // every file korvel-check reads, and the result is never longer. data()
    // detaches the string before any pointer into it is kept.
    QChar* out = text.data() + first;
    const QChar* in = out;
    const QChar* const end = text.constData() + text.size();
    while (in < end) {
        const QChar c = *in++;
        if (!isOtherLineBreak(c)) {
            *out++ = c;
            continue;
        }
        *out++ = QLatin1Char('\n');
        if (c == QLatin1Char('\r') && in < end && *in == QLatin1Char('\n'))
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

QString iniTextFromFile(const QString& fileText, bool keepPopupSections)
{
    QString text;
    text.reserve(fileText.size());
    for (const QString& line : lines(toEditorLineEnds(fileText))) {
        if (line.startsWith(QLatin1Char('['))) {
            if (keepPopupSections && isPopupSectionLine(line)) {
                text.append(line);
                text.append(QLatin1Char('\n'));
            }
            continue;
        }
        const int equals = line.indexOf(QLatin1Char('='));
        text.append(QStringView(line).mid(equals + 1));
        text.append(QLatin1Char('\n'));
    }
    return text;
}

QString iniFileFromText(const QString& editorText, const QString& section, bool popupSectionLines)
{
    QString file;
    file.reserve(editorText.size() + editorText.size() / 4 + section.size() + 16);
    const QStringList textLines = lines(toEditorLineEnds(editorText));
    if (!popupSectionLines || textLines.isEmpty() || !isPopupSectionLine(textLines.first())) {
        file.append(QLatin1Char('['));
        file.append(section);
        file.append(QLatin1String("]\r\n"));
    }
    int number = 0;
    for (const QString& line : textLines) {
        if (popupSectionLines && isPopupSectionLine(line)) {
            file.append(line);
            file.append(QLatin1String("\r\n"));
            number = 0;
            continue;
        }
        file.append(QLatin1Char('n'));
        file.append(QString::number(number++));
        file.append(QLatin1Char('='));
        file.append(line);
        file.append(QLatin1String("\r\n"));
    }
    return file;
}

QStringList iniSections(const QString& fileText)
{
    QStringList sections;
    for (const QString& line : lines(toEditorLineEnds(fileText))) {
        if (!line.startsWith(QLatin1Char('[')))
            continue;
        const int close = line.indexOf(QLatin1Char(']'));
        sections.append(line.mid(1, close < 0 ? -1 : close - 1));
    }
    return sections;
}

bool isPopupSectionLine(const QString& line)
{
    DocumentKind kind = DocumentKind::Remote;
    return line.startsWith(QLatin1Char('[')) && line.endsWith(QLatin1Char(']'))
        && DocumentKinds::fromSection(line.mid(1, line.size() - 2).toLower(), &kind) && kind == DocumentKind::Popups;
}

} // namespace ScriptLayout
