#include "DesignControlTypes.h"

#include <QStringList>

namespace DesignControlTypes {

namespace {

// In the toolbox's order, which is also the order in which a drop's formats
// are tried. A scroll bar is vertical unless it says "horizontal".
const ControlType types[] = {
    {Type::Button, "button", 75, 23, "button", true, "", "", "default ok cancel disable hide"},
    {Type::Edit, "edit", 100, 20, "edit", true, "", "", "multi read autohs autovs disable hide"},
    {Type::Pass, "pass", 100, 20, "edit", true, "pass", "pass", "read autohs disable hide"},
    {Type::Rich, "rich", 104, 84, "edit", true, "rich", "rich multi", "multi read autohs autovs disable hide"},
    {Type::Text, "text", 56, 14, "text", true, "", "", "center right nowrap disable hide"},
    {Type::Link, "link", 56, 14, "link", true, "", "", "disable hide"},
    {Type::Combo, "combo", 131, 24, "combo", false, "", "drop", "sort size drop disable hide"},
    {Type::List, "list", 100, 80, "list", false, "", "", "sort size disable hide"},
    {Type::CheckList, "checkList", 100, 80, "list", false, "check", "check", "sort size disable hide"},
    {Type::Check, "check", 88, 19, "check", true, "", "", "push left disable hide"},
    {Type::RadioList, "radioList", 100, 80, "list", false, "radio", "radio", "sort size disable hide"},
    {Type::Radio, "radio", 99, 19, "radio", true, "", "", "push left disable hide"},
    // An icon's fields after the geometry are its file, not styles.
    {Type::Icon, "icon", 150, 150, "icon", false, "", "", ""},
    {Type::Box, "box", 100, 80, "box", true, "", "", "disable hide"},
    {Type::Tab, "tab", 150, 120, "tab", true, "", "", "disable hide"},
    {Type::VScroll, "vscroll", 16, 160, "scroll", true, "", "", "disable hide"},
    {Type::HScroll, "hscroll", 160, 16, "scroll", true, "horizontal", "horizontal", "disable hide"},
};

constexpr int count = int(sizeof(types) / sizeof(types[0]));

} // namespace

int typeCount()
{
    return count;
}

const ControlType& controlType(int index)
{
    return types[index];
}

const ControlType* findByName(const QString& name)
{
    for (const ControlType& t : types) {
        if (name == QLatin1String(t.name))
            return &t;
    }
    return nullptr;
}

const ControlType* findByStatement(const QString& keyword, const QStringList& styleWords)
{
    const ControlType* plain = nullptr;
    for (const ControlType& t : types) {
        if (keyword != QLatin1String(t.keyword))
            continue;
        if (*t.marker == '\0') {
            if (!plain)
                plain = &t;
        } else if (styleWords.contains(QLatin1String(t.marker))) {
            return &t;
        }
    }
    return plain;
}

QSize defaultSize(const ControlType& type)
{
    return QSize(type.defaultWidth, type.defaultHeight);
}

namespace {

QStringList words(const char* text)
{
    return QString::fromLatin1(text).split(QLatin1Char(' '), Qt::SkipEmptyParts);
}

} // namespace

QStringList designStyles(const ControlType& type, const QStringList& styleWords)
{
    QStringList kept = styleWords;
    kept.removeAll(QLatin1String(type.marker));
    return kept;
}

QStringList initialStyles(const ControlType& type)
{
    return designStyles(type, words(type.styles));
}

QStringList offeredStyles(const ControlType& type)
{
    return words(type.commonStyles);
}

QString dragFormat(const QString& typeName)
{
    return QStringLiteral("gui/") + typeName;
}

} // namespace DesignControlTypes
