#include "MslChecker.h"

// The recording side of the checker: everything a check writes ends up in
// the LineCheckResult of the line being checked.

void MslChecker::setFormat(int start, int count, FormatId format)
{
    // As QSyntaxHighlighter::setFormat: a run that starts before the line
    // paints nothing at all, one that runs past its end stops there.
    QVector<FormatId>& formats = out->formats;
    const int length = formats.size();
    if (start < 0)
        return;
    const int end = count > length - start ? length : start + count;
    for (int i = start; i < end; ++i)
        formats[i] = format;
}

void MslChecker::addError(Severity type, int linePos, const QString& block, const QString& message)
{
    out->diagnostics.append({type, linePos, block, message});
}

void MslChecker::addError(Severity type, int linePos, const QString& message)
{
    addError(type, linePos, QString(), message);
}

void MslChecker::setAliasBlock(const QString& name, int namePos, bool isLocal)
{
    HeaderRecord& h = out->header;
    h.blockKind = HeaderKind::Alias;
    h.blockName = name;
    h.namePos = namePos;
    h.isLocal = isLocal;
}

void MslChecker::setDialogBlock(const QString& name, int namePos, bool isLocal)
{
    HeaderRecord& h = out->header;
    h.blockKind = HeaderKind::Dialog;
    h.blockName = name;
    h.namePos = namePos;
    h.isLocal = isLocal;
}

void MslChecker::setEventBlock(const QString& name, const QString& detail, int namePos)
{
    HeaderRecord& h = out->header;
    h.blockKind = HeaderKind::Event;
    h.blockName = name;
    h.blockDetail = detail;
    h.detailSet = true;
    h.namePos = namePos;
    h.isLocal = false;
}

void MslChecker::setMenuBlock(int namePos)
{
    HeaderRecord& h = out->header;
    h.blockKind = HeaderKind::Menu;
    h.blockName = QStringLiteral("Menu");
    h.namePos = namePos;
    h.isLocal = false;
}

void MslChecker::setPopupItemBlock(const QString& label, int labelPos)
{
    HeaderRecord& h = out->header;
    h.blockKind = HeaderKind::Menu;
    h.blockName = label;
    h.namePos = labelPos;
    h.isLocal = false;
}

void MslChecker::markGroupLine(GroupMark kind)
{
    out->header.groupMark = true;
    out->header.groupMarkKind = kind;
}

void MslChecker::setOpensBlock(bool opens)
{
    out->header.opensBlock = opens;
}

void MslChecker::addIdentifierRecord(const QString& name, int start, int end, int propertyPos, bool hasParens,
                                     const QVector<int>& commaPositions)
{
    out->identifiers.append({name, start, end, propertyPos, hasParens, commaPositions, 0});
}

void MslChecker::addIdentifierBreak(int pos)
{
    out->identifiers.append({QString(), pos, 0, -1, false, {}, 1});
}

namespace {

// A line beyond ASCII, lowered with Unicode's rules.
QString lowerCasedUnicode(const QString& line)
{
    QString lower = line.toLower();
    if (lower.size() == line.size())
        return lower;
    // Map one UTF-16 unit at a time so that the length stays.
    lower = line;
    for (QChar& c : lower)
        c = c.toLower();
    return lower;
}

} // namespace

QString MslChecker::lowerCased(const QString& line)
{
    // Nearly every line is ASCII: lowered here without Unicode's tables,
    // which took a fifth of a whole check.
    QString lower(line.size(), Qt::Uninitialized);
    QChar* to = lower.data();
    const QChar* from = line.constData();
    for (qsizetype i = 0; i < line.size(); ++i) {
        const char16_t c = from[i].unicode();
        if (c >= 0x80)
            return lowerCasedUnicode(line);
        to[i] = QChar(c >= u'A' && c <= u'Z' ? char16_t(c + (u'a' - u'A')) : c);
    }
    return lower;
}

void MslChecker::skipSpaces(const QString& text, int& pos)
{
    const int length = text.size();
    while (pos < length && text[pos] == QLatin1Char(' '))
        ++pos;
}

void MslChecker::skipWord(const QString& text, int& pos)
{
    const int length = text.size();
    while (pos < length && text[pos] != QLatin1Char(' '))
        ++pos;
}

bool MslChecker::startsWithKeyword(const QString& text, const char* keyword)
{
    int pos = 0;
    skipSpaces(text, pos);
    const int length = text.size();
    for (; *keyword; ++keyword, ++pos) {
        if (pos >= length || text[pos].toLower() != QLatin1Char(*keyword))
            return false;
    }
    return true;
}

bool MslChecker::isAllDigits(const QString& text)
{
    for (const QChar c : text)
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return false;
    return true;
}
