#include "DialogTable.h"

#include "DesignControlTypes.h"
#include "DialogUnits.h"
#include "checker/core/BlockState.h"
#include "checker/core/MslChecker.h"
#include "checker/tables/DialogControls.h"

#include <QRegularExpression>
#include <QSet>

#include <algorithm>
#include <functional>
#include <optional>

namespace {

bool isSpace(QChar c)
{
    return c == QLatin1Char(' ') || c == QLatin1Char('\t');
}

void skipSpaces(const QString& text, int& pos)
{
    while (pos < text.size() && isSpace(text[pos]))
        ++pos;
}

QString firstWord(const QString& text, int& pos)
{
    skipSpaces(text, pos);
    const int start = pos;
    while (pos < text.size() && !isSpace(text[pos]))
        ++pos;
    return text.mid(start, pos - start).toLower();
}

// A whole number with an optional minus sign.
bool readInt(const QString& word, int& value)
{
    static const QRegularExpression number(QStringLiteral("^-?[0-9]{1,6}$"));
    if (!number.match(word).hasMatch())
        return false;
    value = word.toInt();
    return true;
}

// The numbers of a field "a b c ..." (spaces around allowed); false when the
// field holds anything else or not exactly `count` of them.
bool readNumbers(const QString& field, int count, QVector<int>& values)
{
    const QStringList words = field.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    if (words.size() != count)
        return false;
    values.clear();
    for (const QString& word : words) {
        int v = 0;
        if (!readInt(word, v))
            return false;
        values.append(v);
    }
    return true;
}

// The text between the quotes that open at the first non-blank from pos (the
// quotes themselves left out); pos moves past the closing quote. Nothing when
// no quoted text stands there.
std::optional<DialogTable::Span> quotedSpan(const QString& line, int& pos)
{
    skipSpaces(line, pos);
    if (pos >= line.size() || line[pos] != QLatin1Char('"'))
        return std::nullopt;
    const int close = line.indexOf(QLatin1Char('"'), pos + 1);
    if (close < 0)
        return std::nullopt;
    const DialogTable::Span inner{pos + 1, close - pos - 1};
    pos = close + 1;
    return inner;
}

// The id of any control statement (whether the designer places that control
// or not) when it is a plain number; -1 otherwise.
int statementId(const QString& line, int pos, const QString& keyword)
{
    const DialogControls::Control* control = DialogControls::findControl(keyword);
    if (!control)
        return -1;
    if (control->hasText) {
        skipSpaces(line, pos);
        const bool quoted = pos < line.size() && line[pos] == QLatin1Char('"');
        if (quoted && !quotedSpan(line, pos))
            return -1;
        pos = line.indexOf(QLatin1Char(','), pos);
        if (pos < 0)
            return -1;
        ++pos;
    }
    int end = line.indexOf(QLatin1Char(','), pos);
    if (end < 0)
        end = line.size();
    int id = -1;
    return readInt(line.mid(pos, end - pos).trimmed(), id) ? id : -1;
}

// The part of line from start to end without blanks at either end.
DialogTable::Span trimmedSpan(const QString& line, int start, int end)
{
    skipSpaces(line, start);
    while (end > start && isSpace(line[end - 1]))
        --end;
    return DialogTable::Span{start, end - start};
}

QString replaced(QString line, int start, int length, const QString& with)
{
    return line.replace(start, length, with);
}

} // namespace

DialogTable DialogTable::read(const QStringList& lines)
{
    DialogTable table;
    table.original = lines;
    // The units apply to every statement, wherever the option line stands.
    for (int i = 1; i < lines.size(); ++i) {
        int pos = 0;
        if (firstWord(lines[i], pos) != QLatin1String("option"))
            continue;
        const QStringList words = lines[i].mid(pos).toLower().split(QLatin1Char(' '), Qt::SkipEmptyParts);
        for (const QString& word : words) {
            if (word == QLatin1String("dbu"))
                table.tableUnits = DialogStatements::Units::DialogUnits;
            else if (word == QLatin1String("pixels"))
                table.tableUnits = DialogStatements::Units::Pixels;
        }
    }
    // The checker says where the table's comments run and where it ends.
    MslChecker checker;
    LineCheckResult result;
    int state = -1;
    for (int i = 0; i < lines.size(); ++i) {
        const bool inComment = BlockState::decode(state).kind == BlockState::Kind::DialogComment;
        checker.checkLine(MslChecker::lowerCased(lines[i]), state, result);
        state = result.state;
        if (i == 0 || inComment)
            continue;
        const BlockState::Kind kind = BlockState::decode(state).kind;
        if (kind != BlockState::Kind::DialogTable && kind != BlockState::Kind::DialogComment) {
            table.closingLine = i;
            break;
        }
        table.readStatement(i);
    }
    return table;
}

void DialogTable::readStatement(int index)
{
    const QString& line = original[index];
    int pos = 0;
    const QString word = firstWord(line, pos);
    if (word == QLatin1String("title")) {
        if (!hasTitleStatement)
            readTitle(index, pos);
        hasTitleStatement = true;
    } else if (word == QLatin1String("size")) {
        if (!hasSizeStatement)
            readSize(index, pos);
        hasSizeStatement = true;
    } else {
        // New controls get ids after every id in the table, understood or not.
        highestControlId = qMax(highestControlId, statementId(line, pos, word));
        if (word == DialogStatements::menuKeyword(DesignMenuEntry::Kind::Menu))
            readMenuEntry(index, pos, DesignMenuEntry::Kind::Menu);
        else if (word == DialogStatements::menuKeyword(DesignMenuEntry::Kind::Item))
            readMenuEntry(index, pos, DesignMenuEntry::Kind::Item);
        else
            readControl(index, pos, word);
    }
}

bool DialogTable::isMenuRead(int id) const
{
    return std::any_of(menuLines.begin(), menuLines.end(), [id](const MenuLine& read) {
        return read.entry.id == id && read.entry.kind == DesignMenuEntry::Kind::Menu;
    });
}

bool DialogTable::readMenuEntry(int index, int pos, DesignMenuEntry::Kind kind)
{
    const QString& line = original[index];
    MenuLine read;
    read.line = index;
    const int keywordLength = DialogStatements::menuKeyword(kind).size();
    read.keywordSpan = Span{pos - keywordLength, keywordLength};
    skipSpaces(line, pos);
    if (kind == DesignMenuEntry::Kind::Item
        && QStringView(line).mid(pos).startsWith(DialogStatements::separatorWord, Qt::CaseInsensitive)) {
        kind = DesignMenuEntry::Kind::Separator;
        read.textSpan = Span{pos, 0};
        pos += DialogStatements::separatorWord.size();
    } else {
        const std::optional<Span> text = quotedSpan(line, pos);
        if (!text)
            return false; // a text from a variable
        read.textSpan = *text;
    }
    // After the text: nothing before the comma, the id, the menu's id.
    const QStringList fields = line.mid(pos).split(QLatin1Char(','));
    if (fields.size() < 2 || fields.size() > 3 || !fields[0].trimmed().isEmpty())
        return false;
    int id = 0;
    int parent = 0;
    if (!readInt(fields[1].trimmed(), id) || id <= 0)
        return false;
    if (fields.size() == 3 && (!readInt(fields[2].trimmed(), parent) || parent <= 0))
        return false;
    // Items and separators belong in a menu, and an entry inside a menu
    // needs that menu.
    if (parent == 0 ? kind != DesignMenuEntry::Kind::Menu : !isMenuRead(parent))
        return false;
    read.entry =
        DesignMenuEntry{kind, line.mid(read.textSpan.start, read.textSpan.length), id, parent, int(menuLines.size())};
    menuLines.append(read);
    return true;
}

bool DialogTable::readTitle(int index, int pos)
{
    const QString& line = original[index];
    const std::optional<Span> text = quotedSpan(line, pos);
    if (!text)
        return false;
    skipSpaces(line, pos);
    if (pos < line.size())
        return false;
    titleLine = index;
    titleSpan = *text;
    title = line.mid(titleSpan.start, titleSpan.length);
    return true;
}

bool DialogTable::readSize(int index, int pos)
{
    const QString& line = original[index];
    QVector<int> values;
    if (!readNumbers(line.mid(pos), 4, values))
        return false;
    // The span of the width and height: from the third figure to the end.
    int figure = pos;
    for (int i = 0; i < 2; ++i) {
        skipSpaces(line, figure);
        while (figure < line.size() && !isSpace(line[figure]))
            ++figure;
    }
    skipSpaces(line, figure);
    int end = line.size();
    while (end > figure && isSpace(line[end - 1]))
        --end;
    sizeLine = index;
    sizeSpan = Span{figure, end - figure};
    const QSize inTable(values[2], values[3]);
    size = tableUnits == DialogStatements::Units::DialogUnits ? DialogUnits::toPixels(inTable) : inTable;
    return true;
}

bool DialogTable::readControl(int index, int pos, const QString& keyword)
{
    const QString& line = original[index];
    const int keywordEnd = pos;
    // Which types share this keyword decides whether a text comes first.
    const DesignControlTypes::ControlType* anyOfKeyword = DesignControlTypes::findByStatement(keyword, {});
    if (!anyOfKeyword)
        return false;
    ControlLine control;
    control.line = index;
    pos = keywordEnd;
    if (anyOfKeyword->hasText) {
        const std::optional<Span> text = quotedSpan(line, pos);
        if (!text)
            return false;
        control.textSpan = *text;
        control.text = line.mid(control.textSpan.start, control.textSpan.length);
        skipSpaces(line, pos);
        if (pos >= line.size() || line[pos] != QLatin1Char(','))
            return false;
        ++pos;
    }
    const int idEnd = line.indexOf(QLatin1Char(','), pos);
    if (idEnd < 0)
        return false;
    int id = 0;
    if (!readInt(line.mid(pos, idEnd - pos).trimmed(), id) || id < 0)
        return false;
    control.id = id;
    control.idSpan = trimmedSpan(line, pos, idEnd);
    const int geometryStart = idEnd + 1;
    int geometryEnd = line.indexOf(QLatin1Char(','), geometryStart);
    if (geometryEnd < 0)
        geometryEnd = line.size();
    QVector<int> values;
    if (!readNumbers(line.mid(geometryStart, geometryEnd - geometryStart), 4, values))
        return false;
    control.geometrySpan = trimmedSpan(line, geometryStart, geometryEnd);

    const QStringList styles =
        line.mid(geometryEnd).toLower().split(QRegularExpression(QStringLiteral("[ ,]")), Qt::SkipEmptyParts);
    const DesignControlTypes::ControlType* type = DesignControlTypes::findByStatement(keyword, styles);
    control.type = QLatin1String(type->name);
    const Span all = trimmedSpan(line, 0, line.size());
    const int lastComma = line.lastIndexOf(QLatin1Char(','));
    if (lastComma >= geometryEnd) {
        control.stylesSpan = Span{lastComma, all.start + all.length - lastComma};
        const QStringList lastField = line.mid(lastComma + 1).toLower().split(QLatin1Char(' '), Qt::SkipEmptyParts);
        control.styles = DesignControlTypes::designStyles(*type, lastField);
    } else {
        const int end = control.geometrySpan.start + control.geometrySpan.length;
        control.stylesSpan = Span{end, all.start + all.length - end};
    }
    const QRect inTable(values[0], values[1], values[2], values[3]);
    control.geometry = tableUnits == DialogStatements::Units::DialogUnits ? DialogUnits::toPixels(inTable) : inTable;
    highestControlId = qMax(highestControlId, id); // icons have no statement of the checker's
    controls.append(control);
    return true;
}

QString DialogTable::name() const
{
    if (original.isEmpty())
        return QString();
    const QString& header = original.first();
    int pos = 0;
    firstWord(header, pos); // "dialog"
    // Switches such as -l come before the name.
    int start = pos;
    QString word = firstWord(header, pos);
    while (word.startsWith(QLatin1Char('-'))) {
        start = pos;
        word = firstWord(header, pos);
    }
    int nameStart = start;
    skipSpaces(header, nameStart);
    return header.mid(nameStart, pos - nameStart);
}

DialogDesign DialogTable::design() const
{
    DialogDesign d;
    d.title = title;
    d.size = size;
    for (int i = 0; i < controls.size(); ++i) {
        const ControlLine& c = controls[i];
        d.controls.append(DesignControl{c.type, c.text, c.geometry, i, c.id, c.styles});
    }
    for (const MenuLine& read : menuLines)
        d.menus.append(read.entry);
    return d;
}

QString DialogTable::statementIndent() const
{
    for (int i = 1; i < original.size(); ++i) {
        const QString& line = original[i];
        int pos = 0;
        skipSpaces(line, pos);
        if (pos < line.size() && line[pos] != QLatin1Char('}'))
            return line.left(pos);
    }
    return DialogStatements::indent;
}

QStringList DialogTable::write(const DialogDesign& edited) const
{
    using DialogStatements::Units;
    QStringList out = original;
    const QString indent = statementIndent();

    QSet<int> kept;
    for (const DesignControl& control : edited.controls) {
        if (control.tableControl < 0 || control.tableControl >= controls.size())
            continue;
        kept.insert(control.tableControl);
        const ControlLine& read = controls[control.tableControl];
        QString line = out[read.line];
        // From the end of the line to its start, so that the spans still to
        // be replaced stay valid.
        if (control.styles != read.styles) {
            const DesignControlTypes::ControlType* type = DesignControlTypes::findByName(control.type);
            QStringList words = control.styles;
            if (*type->marker)
                words.prepend(QLatin1String(type->marker));
            line = replaced(line, read.stylesSpan.start, read.stylesSpan.length,
                            words.isEmpty() ? QString() : QStringLiteral(", ") + words.join(QLatin1Char(' ')));
        }
        if (control.geometry != read.geometry)
            line = replaced(line, read.geometrySpan.start, read.geometrySpan.length,
                            DialogStatements::geometryField(control.geometry, tableUnits));
        if (control.id != read.id && control.id > 0)
            line = replaced(line, read.idSpan.start, read.idSpan.length, QString::number(control.id));
        if (read.textSpan.start >= 0 && control.text != read.text)
            line = replaced(line, read.textSpan.start, read.textSpan.length, DialogStatements::quotable(control.text));
        out[read.line] = line;
    }

    QSet<int> keptMenus;
    for (const DesignMenuEntry& entry : edited.menus) {
        if (entry.tableEntry < 0 || entry.tableEntry >= menuLines.size())
            continue;
        keptMenus.insert(entry.tableEntry);
        const MenuLine& read = menuLines[entry.tableEntry];
        QString line = out[read.line];
        if (entry.text != read.entry.text)
            line = replaced(line, read.textSpan.start, read.textSpan.length, DialogStatements::quotable(entry.text));
        if (entry.kind != read.entry.kind)
            line = replaced(line, read.keywordSpan.start, read.keywordSpan.length,
                            DialogStatements::menuKeyword(entry.kind));
        out[read.line] = line;
    }

    // The lines of controls and menu entries the design no longer has go,
    // from the bottom up; the lines still to be changed move up with them.
    QVector<int> gone;
    for (int i = 0; i < controls.size(); ++i) {
        if (!kept.contains(i))
            gone.append(controls[i].line);
    }
    for (int i = 0; i < menuLines.size(); ++i) {
        if (!keptMenus.contains(i))
            gone.append(menuLines[i].line);
    }
    std::sort(gone.begin(), gone.end(), std::greater<int>());
    for (int line : gone)
        out.removeAt(line);
    const auto shifted = [&gone](int line) {
        return line - int(std::count_if(gone.begin(), gone.end(), [line](int g) { return g < line; }));
    };
    const int closingAt = closingLine >= 0 ? shifted(closingLine) : -1;
    const int sizeAt = sizeLine >= 0 ? shifted(sizeLine) : -1;
    const int titleAt = titleLine >= 0 ? shifted(titleLine) : -1;

    // New lines are inserted from the bottom up, so the line numbers above
    // stay valid.
    QStringList added;
    int id = highestControlId;
    for (const DesignControl& control : edited.controls) {
        if (control.tableControl < 0)
            added << indent
                    + DialogStatements::controlStatement(control, control.id > 0 ? control.id : ++id, tableUnits);
    }
    for (const DesignMenuEntry& entry : edited.menus) {
        if (entry.tableEntry < 0)
            added << indent + DialogStatements::menuStatement(entry);
    }
    const int insertAt = closingAt >= 0 ? closingAt : out.size();
    for (int i = added.size() - 1; i >= 0; --i)
        out.insert(insertAt, added[i]);

    if (edited.size != size && !edited.size.isEmpty()) {
        const QString field = DialogStatements::sizeField(edited.size, tableUnits);
        if (sizeAt >= 0)
            out[sizeAt] = replaced(out[sizeAt], sizeSpan.start, sizeSpan.length, field);
        else if (!hasSizeStatement)
            out.insert(titleAt >= 0 ? titleAt + 1 : 1, indent + QStringLiteral("size -1 -1 ") + field);
    }
    if (edited.title != title) {
        if (titleAt >= 0) {
            out[titleAt] =
                replaced(out[titleAt], titleSpan.start, titleSpan.length, DialogStatements::quotable(edited.title));
        } else if (!hasTitleStatement) {
            out.insert(1, indent + DialogStatements::titleStatement(edited.title));
        }
    }
    return out;
}
