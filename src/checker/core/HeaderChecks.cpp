#include "MslChecker.h"

#include "checker/tables/MenuWords.h"
#include "checker/tables/OnEvents.h"

#include <QStringView>

// Headers: the first line of an alias, dialog, menu or event definition.
// Each check paints the header's words, records the header for the outline
// and the folding, reports what is wrong, and leaves the position where the
// root scanner continues (at the opening brace or the first command).
//
// The parameters of on, ctcp and raw headers are colon-separated fields: a
// field runs from the position up to the next colon, or to the line's end
// when no colon follows.

namespace {

const QLatin1Char colon(':');

const QString matchtextVariableMessage =
    QStringLiteral("matchtext contains variables and text must be enclosed by the $() identifier");
const QString targetVariableMessage =
    QStringLiteral("target contains variables and text must be enclosed by the $() identifier");
const QString windowVariableMessage =
    QStringLiteral("window parameter contains variables and text must be enclosed by the $() identifier");
const QString commandMissingMessage = QStringLiteral("Command Parameter Missing.");
const QString matchtextMissingMessage = QStringLiteral("Missing Matchtext Parameter");

bool colonFollows(const QString& text, int pos)
{
    return pos <= text.size() && text.indexOf(colon, pos) >= 0;
}

QString fieldAt(const QString& text, int pos)
{
    if (pos >= text.size())
        return QString();
    const int end = text.indexOf(colon, pos);
    return text.mid(pos, end < 0 ? -1 : end - pos);
}

// Moves past the field at pos and its colon; to the line's end without one.
void passField(const QString& text, int& pos)
{
    const int end = pos < text.size() ? text.indexOf(colon, pos) : -1;
    pos = end < 0 ? text.size() : end + 1;
}

// One entry of a comma-separated list, with its position in the line.
struct ListEntry {
    QStringView text;
    int pos;
};

QVector<ListEntry> splitList(QStringView list, int listPos, QLatin1Char separator)
{
    QVector<ListEntry> entries;
    int start = 0;
    for (int i = 0; i <= list.size(); ++i) {
        if (i == list.size() || list[i] == separator) {
            entries.append({list.mid(start, i - start), listPos + start});
            start = i + 1;
        }
    }
    return entries;
}

const ListEntry* findEntry(const QVector<ListEntry>& entries, QLatin1String word)
{
    for (const ListEntry& entry : entries)
        if (entry.text == word)
            return &entry;
    return nullptr;
}

// A raw event is named by a numeric, "*", or the word of a message without
// one ("prop", "cap", "authenticate"); the "&" prefix skips it once an
// earlier event has halted the default text.
bool isRawEventName(QStringView name)
{
    if (name.startsWith(QLatin1Char('&')))
        name = name.mid(1);
    if (name == QLatin1String("*"))
        return true;
    for (const QChar c : name)
        if (!(c >= QLatin1Char('0') && c <= QLatin1Char('9')) && !(c >= QLatin1Char('a') && c <= QLatin1Char('z')))
            return false;
    return true;
}

} // namespace

void MslChecker::checkAliasHeader(const QString& text, int& pos)
{
    const int length = text.size();
    setFormat(pos, 5, FormatId::aliasKeywordFormat);
    pos += 6;
    skipSpaces(text, pos);
    bool isLocal = false;
    if (pos + 2 < length && text[pos] == QLatin1Char('-') && text[pos + 1] == QLatin1Char('l')) {
        setFormat(pos, 2, FormatId::aliasSwitchFormat);
        isLocal = true;
        pos += 2;
    }
    skipSpaces(text, pos);
    checkAliasName(text, pos, isLocal);
}

void MslChecker::checkAliasName(const QString& text, int& pos, bool isLocal)
{
    const int nameStart = pos;
    skipWord(text, pos);
    setFormat(nameStart, pos - nameStart, FormatId::aliasNameFormat);
    setAliasBlock(text.mid(nameStart, pos - nameStart), nameStart, isLocal);
    skipSpaces(text, pos);
}

void MslChecker::checkDialogHeader(const QString& text, int& pos)
{
    const int length = text.size();
    setFormat(pos, 6, FormatId::dialogKeywordFormat);
    pos += 6;
    skipSpaces(text, pos);
    bool isLocal = false;
    if (pos + 2 < length && text[pos] == QLatin1Char('-') && text[pos + 1] != QLatin1Char(' ')) {
        if (text[pos + 1] == QLatin1Char('l')) {
            setFormat(pos, 2, FormatId::dialogSwitchFormat);
            isLocal = true;
            pos += 2;
        } else {
            pos += 1;
        }
        // mIRC knows no other dialog switch; the rest of the switch word is
        // reported, but the dialog still works.
        const int illegalStart = pos;
        skipWord(text, pos);
        if (pos > illegalStart) {
            setFormat(illegalStart, pos - illegalStart, FormatId::errorFormat);
            addError(Severity::Warning, illegalStart, QStringLiteral("dialog"),
                     QStringLiteral("Illegal alias switches: `") + text.mid(illegalStart, pos - illegalStart));
        }
    }
    skipSpaces(text, pos);
    const int nameStart = pos;
    skipWord(text, pos);
    setFormat(nameStart, pos - nameStart, FormatId::dialogNameFormat);
    setDialogBlock(text.mid(nameStart, pos - nameStart), nameStart, isLocal);
    skipSpaces(text, pos);
}

void MslChecker::checkMenuHeader(const QString& text, int& pos)
{
    const int keywordPos = pos;
    setFormat(pos, 4, FormatId::menuKeywordFormat);
    pos += 5;
    skipSpaces(text, pos);

    const int listStart = qMin(pos, text.size());
    skipWord(text, pos);
    const QStringView list = QStringView(text).mid(listStart, pos - listStart);
    const QVector<ListEntry> targets = splitList(list, listStart, QLatin1Char(','));
    const bool hasWildcard = findEntry(targets, QLatin1String("*")) != nullptr;
    const QString block = QStringLiteral("Menu");

    for (const ListEntry& target : targets) {
        const bool isWildcard = target.text == QLatin1String("*");
        if (!MenuWords::isTarget(target.text) && !target.text.startsWith(QLatin1Char('@')) && !isWildcard) {
            setFormat(target.pos, int(target.text.size()), FormatId::errorFormat);
            addError(Severity::Error, target.pos, block, QStringLiteral("Invalid Target: `%1'").arg(target.text));
        } else if (hasWildcard && !isWildcard) {
            setFormat(target.pos, int(target.text.size()), FormatId::warningFormat);
            addError(Severity::Warning, target.pos, block,
                     QStringLiteral("Wildcard * overrides all other targets, making them pointless."));
        }
    }

    setMenuBlock(keywordPos);
    skipSpaces(text, pos);
}

bool MslChecker::checkAccessLevel(const QString& text, int& pos)
{
    if (!colonFollows(text, pos))
        return false;
    const int levelPos = pos;
    const QString level = fieldAt(text, pos);
    passField(text, pos);
    if (level == QLatin1String("me")) {
        // "me:" limits the event to the user's own actions; the real level
        // follows as a field of its own.
        setFormat(levelPos, 2, FormatId::accessLevelFormat);
        if (!colonFollows(text, pos))
            return false;
        passField(text, pos);
    }
    return true;
}

bool MslChecker::checkVariableField(const QString& field, int fieldPos, const QString& block, const QString& message)
{
    if (field.startsWith(QLatin1Char('%'))) {
        if (field.contains(QLatin1Char(' '))) {
            setFormat(fieldPos, field.size(), FormatId::errorFormat);
            addError(Severity::Error, fieldPos, block, message);
        } else {
            setFormat(fieldPos, field.size(), FormatId::variableFormat);
        }
        return true;
    }
    if (field.startsWith(QLatin1String("$("))) {
        // The identifier is checked on the field alone, so that it cannot run
        // on into the following fields; the padding keeps the positions those
        // of the line.
        const QString padded = QString(fieldPos, QLatin1Char(' ')) + field;
        int identifierPos = fieldPos;
        int depth = 0;
        checkIdentifier(padded, identifierPos, depth, IdentifierContext::Statement);
        return true;
    }
    return false;
}

bool MslChecker::checkEventHeader(const QString& text, int& pos)
{
    const int eventStart = pos;
    if (!colonFollows(text, pos))
        return false;
    const QString event = fieldAt(text, pos);
    const OnEvents::EventName* known = OnEvents::findEvent(event);
    if (!known)
        return false;
    passField(text, pos);
    setFormat(eventStart, event.size(), FormatId::eventNameFormat);

    const OnEvents::EventGroup& group = OnEvents::group(known->group);
    const QString block = QStringLiteral("on ") + event;
    const int firstParameterPos = pos;
    if (group.recordPoint == OnEvents::RecordPoint::BeforeParameters)
        setEventBlock(event, QString(), firstParameterPos);

    QString detail;
    for (int i = 0; i < group.parameterCount; ++i) {
        const bool closed = colonFollows(text, pos);
        if (!closed && i >= group.requiredCount)
            break;
        const int fieldPos = pos;
        const QString field = fieldAt(text, pos);
        // Text without its colon still counts as this parameter while a later
        // one is required: "on 1:text:hello" has its matchtext and lacks the
        // target. Otherwise this parameter itself is the missing one.
        const bool read = closed || (!field.isEmpty() && i + 1 < group.requiredCount);
        if (read) {
            passField(text, pos);
            if (i == group.detailParameter)
                detail = field;
            if (i == 0 && group.recordPoint == OnEvents::RecordPoint::AfterFirstParameter)
                setEventBlock(event, detail, firstParameterPos);
            checkEventParameter(group.parameters[i], field, fieldPos, block);
        }
        if (!closed) {
            const OnEvents::Parameter missing = group.parameters[read ? i + 1 : i];
            setFormat(eventStart, event.size(), FormatId::errorFormat);
            addError(Severity::Error, eventStart, block, QString::fromLatin1(OnEvents::missingMessage(missing)));
            pos = text.size();
            return true;
        }
    }
    if (group.recordPoint == OnEvents::RecordPoint::AfterChecks)
        setEventBlock(event, detail, pos);
    return true;
}

void MslChecker::checkEventParameter(OnEvents::Parameter parameter, const QString& field, int fieldPos,
                                     const QString& block)
{
    using P = OnEvents::Parameter;
    switch (parameter) {
    case P::Matchtext: checkVariableField(field, fieldPos, block, matchtextVariableMessage); break;
    case P::MessageTargets:
        if (!checkVariableField(field, fieldPos, block, matchtextVariableMessage))
            checkMessageTargets(field, fieldPos, block);
        break;
    case P::ChannelTargets:
        if (!checkVariableField(field, fieldPos, block, matchtextVariableMessage))
            checkChannelTargets(field, fieldPos, block);
        break;
    case P::WindowTarget:
        if (!checkVariableField(field, fieldPos, block, targetVariableMessage)
            && (field.isEmpty() || !QLatin1String(OnEvents::windowTargetPrefixes()).contains(field[0]))) {
            setFormat(fieldPos, field.size(), FormatId::errorFormat);
            addError(Severity::Error, fieldPos, block,
                     QStringLiteral("Invalid target parameter, must be one of the following: *, #, ?, =, !, @."));
        }
        break;
    case P::MatchtextTarget: checkVariableField(field, fieldPos, block, targetVariableMessage); break;
    case P::DccType:
        if (!OnEvents::isDccType(field)) {
            setFormat(fieldPos, field.size(), FormatId::errorFormat);
            addError(Severity::Error, fieldPos, block,
                     QStringLiteral(
                         "Invalid DCC type parameter, must be one of the following: chat, send, or fserve."));
        }
        break;
    case P::Window: checkVariableField(field, fieldPos, block, windowVariableMessage); break;
    case P::KeyTypes:
        if (!checkVariableField(field, fieldPos, block, windowVariableMessage)) {
            for (const ListEntry& key : splitList(field, fieldPos, QLatin1Char(','))) {
                if (!isAllDigits(key.text.toString()) && key.text != QLatin1String("*")) {
                    setFormat(key.pos, int(key.text.size()), FormatId::errorFormat);
                    addError(Severity::Error, key.pos, block, QStringLiteral("Invalid key type"));
                }
            }
        }
        break;
    case P::DialogEvent:
        if (!OnEvents::isDialogEvent(field)) {
            setFormat(fieldPos, field.size(), FormatId::errorFormat);
            addError(Severity::Error, fieldPos, block, QStringLiteral("Invalid event type"));
        }
        break;
    case P::DialogIds: checkDialogIds(field, fieldPos, block); break;
    case P::UncheckedMatchtext:
    case P::Filename:
    case P::WindowType:
    case P::DialogName: break;
    }
}

void MslChecker::checkMessageTargets(const QString& field, int fieldPos, const QString& block)
{
    const QVector<ListEntry> entries = splitList(field, fieldPos, QLatin1Char(','));
    if (entries.size() < 2)
        return;

    if (const ListEntry* all = findEntry(entries, QLatin1String("*"))) {
        for (const ListEntry& entry : entries)
            if (entry.text != QLatin1String("*"))
                setFormat(entry.pos, int(entry.text.size()), FormatId::warningFormat);
        addError(Severity::Warning, all->pos, block,
                 QStringLiteral("Wildcard * overrides all other targets, making them pointless."));
        return;
    }

    if (const ListEntry* queries = findEntry(entries, QLatin1String("?"))) {
        bool overridden = false;
        for (const ListEntry& entry : entries) {
            if (entry.text != QLatin1String("?") && !entry.text.startsWith(QLatin1Char('#'))) {
                setFormat(entry.pos, int(entry.text.size()), FormatId::warningFormat);
                overridden = true;
            }
        }
        if (overridden)
            addError(Severity::Warning, queries->pos, block,
                     QStringLiteral("Wildcard ? overrides all other query targets, making them pointless."));
    }

    if (const ListEntry* channels = findEntry(entries, QLatin1String("#"))) {
        bool overridden = false;
        for (const ListEntry& entry : entries) {
            if (entry.text != QLatin1String("#") && entry.text.startsWith(QLatin1Char('#'))) {
                setFormat(entry.pos, int(entry.text.size()), FormatId::warningFormat);
                overridden = true;
            }
        }
        if (overridden)
            addError(Severity::Warning, channels->pos, block,
                     QStringLiteral("Wildcard # overrides all other channels targets, making them pointless."));
    }
}

void MslChecker::checkChannelTargets(const QString& field, int fieldPos, const QString& block)
{
    const QVector<ListEntry> entries = splitList(field, fieldPos, QLatin1Char(','));
    const ListEntry* wildcard = nullptr;
    for (const ListEntry& entry : entries) {
        if (entry.text == QLatin1String("#") || entry.text == QLatin1String("*")) {
            wildcard = &entry;
            break;
        }
    }

    if (wildcard && entries.size() > 1) {
        for (const ListEntry& entry : entries)
            if (entry.text != QLatin1String("#") && entry.text != QLatin1String("*"))
                setFormat(entry.pos, int(entry.text.size()), FormatId::warningFormat);
        addError(Severity::Warning, wildcard->pos, block,
                 QStringLiteral("Wildcard # or * overrides all other targets, making them pointless."));
        return;
    }

    for (const ListEntry& entry : entries) {
        if (!entry.text.startsWith(QLatin1Char('#')) && entry.text != QLatin1String("*")) {
            setFormat(entry.pos, int(entry.text.size()), FormatId::errorFormat);
            addError(Severity::Error, entry.pos, block, QStringLiteral("Invalid channel name in target."));
        }
    }
}

void MslChecker::checkDialogIds(const QString& field, int fieldPos, const QString& block)
{
    if (field == QLatin1String("*") || isAllDigits(field))
        return;
    bool invalid = false;
    for (const ListEntry& entry : splitList(field, fieldPos, QLatin1Char(','))) {
        // A range "3-7" is accepted when both ends are numbers; each bad end
        // is marked on its own.
        for (const ListEntry& part : splitList(entry.text, entry.pos, QLatin1Char('-'))) {
            if (!isAllDigits(part.text.toString())) {
                setFormat(part.pos, int(part.text.size()), FormatId::errorFormat);
                invalid = true;
            }
        }
    }
    if (invalid)
        addError(Severity::Error, fieldPos, block, QStringLiteral("Invalid dialog ID"));
}

void MslChecker::checkCtcpHeader(const QString& text, int& pos)
{
    const QString block = QStringLiteral("Ctcp");
    const int start = pos;
    const QString matchtext = fieldAt(text, pos);
    if (matchtext.isEmpty()) {
        setFormat(start, 4, FormatId::errorFormat);
        addError(Severity::Error, start, block, matchtextMissingMessage);
        pos = text.size();
        return;
    }
    checkVariableField(matchtext, start, block, matchtextVariableMessage);
    passField(text, pos);

    const int targetPos = pos;
    const QString target = fieldAt(text, pos);
    // Besides "*", "#" and "?", mIRC takes the names of windows (a
    // comma-separated list); a name holds no space.
    if (!checkVariableField(target, targetPos, block, targetVariableMessage)
        && (target.trimmed().isEmpty() || target.trimmed().contains(QLatin1Char(' ')))) {
        setFormat(targetPos, target.size(), FormatId::errorFormat);
        addError(Severity::Error, targetPos, block,
                 QStringLiteral("Invalid target parameter, must be one of the following: *, #, ?"));
    }
    if (!colonFollows(text, pos)) {
        setFormat(start, 4, FormatId::errorFormat);
        addError(Severity::Error, start, block, commandMissingMessage);
        pos = text.size();
        return;
    }
    passField(text, pos);
    setEventBlock(QStringLiteral("Ctcp"), matchtext, start);
}

void MslChecker::checkRawHeader(const QString& text, int& pos)
{
    const QString block = QStringLiteral("Raw");
    const int start = pos;
    const QString numeric = fieldAt(text, pos);
    if (!isRawEventName(numeric)) {
        setFormat(pos, numeric.size(), FormatId::errorFormat);
        addError(Severity::Error, pos, block, QStringLiteral("Invalid Raw Numeric/prop."));
    }
    if (numeric.isEmpty()) {
        setFormat(start, 3, FormatId::errorFormat);
        addError(Severity::Error, start, block, QStringLiteral("Missing Raw Numeric/prop."));
        pos = text.size();
        return;
    }
    passField(text, pos);

    const QString matchtext = fieldAt(text, pos);
    if (matchtext.isEmpty()) {
        setFormat(start, 3, FormatId::errorFormat);
        addError(Severity::Error, start, block, matchtextMissingMessage);
        pos = text.size();
        return;
    }
    setEventBlock(QStringLiteral("raw"), matchtext, pos);
    checkVariableField(matchtext, pos, block, matchtextVariableMessage);
    if (!colonFollows(text, pos)) {
        setFormat(start, 3, FormatId::errorFormat);
        addError(Severity::Error, start, block, commandMissingMessage);
        pos = text.size();
        return;
    }
    passField(text, pos);
    setEventBlock(QStringLiteral("Raw"), matchtext, start);
}
