#include "ScriptLayout.h"

#include <utility>

namespace ScriptLayout {

namespace {

// The editor's document starts a new line at each of these besides "\n" and
// keeps none of them in the text; korvel-check must count the same lines.
bool isOtherLineBreak(QChar c)
{
    return c != QLatin1Char('\n') && isLineEnd(c);
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

QString LineSplitter::finish()
{
    afterCarriageReturn = false;
    return std::exchange(partial, QString());
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
        const int start = iniLineStart(line, keepPopupSections);
        if (start < 0)
            continue;
        text.append(QStringView(line).sliced(start));
        text.append(QLatin1Char('\n'));
    }
    return text;
}

int iniLineStart(QStringView line, bool keepPopupSections)
{
    if (line.startsWith(QLatin1Char('[')))
        return keepPopupSections && isPopupSectionLine(line.toString()) ? 0 : -1;
    return int(line.indexOf(QLatin1Char('='))) + 1;
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
    QString section;
    for (const QString& line : lines(toEditorLineEnds(fileText))) {
        if (iniSectionName(line, &section))
            sections.append(section);
    }
    return sections;
}

bool iniSectionName(QStringView line, QString* section)
{
    if (!line.startsWith(QLatin1Char('[')))
        return false;
    const qsizetype close = line.indexOf(QLatin1Char(']'));
    *section = line.mid(1, close < 0 ? -1 : close - 1).toString();
    return true;
}

IniShape iniShape(const QStringList& sections)
{
    IniShape shape;
    QStringList lowerSections;
    for (const QString& section : sections)
        lowerSections.append(section.toLower());
    shape.kind = DocumentKinds::fromSections(lowerSections);
    int popupSections = 0;
    for (int i = 0; i < sections.size(); ++i) {
        DocumentKind kind = DocumentKind::Remote;
        if (!DocumentKinds::fromSection(lowerSections[i], &kind) || kind != shape.kind)
            continue;
        if (shape.kind != DocumentKind::Remote && shape.section.isEmpty())
            shape.section = sections[i];
        if (kind == DocumentKind::Popups)
            ++popupSections;
    }
    shape.keepPopupSections = popupSections > 1;
    return shape;
}

bool isPopupSectionLine(const QString& line)
{
    DocumentKind kind = DocumentKind::Remote;
    return line.startsWith(QLatin1Char('[')) && line.endsWith(QLatin1Char(']'))
        && DocumentKinds::fromSection(line.mid(1, line.size() - 2).toLower(), &kind) && kind == DocumentKind::Popups;
}

} // namespace ScriptLayout
