#include "DesignControlTypes.h"

#include <QStringList>

namespace DesignControlTypes {

namespace {

// In the toolbox's order, which is also the order in which a drop's formats
// are tried. A scroll bar is vertical unless it says "horizontal".
const ControlType types[] = {
    {Type::Button, "button", 75, 23, "button", true, "", ""},
    {Type::Edit, "edit", 100, 20, "edit", true, "", ""},
    {Type::Pass, "pass", 100, 20, "edit", true, "pass", "pass"},
    {Type::Rich, "rich", 104, 84, "edit", true, "rich", "rich multi"},
    {Type::Text, "text", 56, 14, "text", true, "", ""},
    {Type::Link, "link", 56, 14, "link", true, "", ""},
    {Type::Combo, "combo", 131, 24, "combo", false, "", "drop"},
    {Type::List, "list", 100, 80, "list", false, "", ""},
    {Type::CheckList, "checkList", 100, 80, "list", false, "check", "check"},
    {Type::Check, "check", 88, 19, "check", true, "", ""},
    {Type::RadioList, "radioList", 100, 80, "list", false, "radio", "radio"},
    {Type::Radio, "radio", 99, 19, "radio", true, "", ""},
    {Type::Icon, "icon", 150, 150, "icon", false, "", ""},
    {Type::Box, "box", 100, 80, "box", true, "", ""},
    {Type::Tab, "tab", 150, 120, "tab", true, "", ""},
    {Type::VScroll, "vscroll", 16, 160, "scroll", true, "", ""},
    {Type::HScroll, "hscroll", 160, 16, "scroll", true, "horizontal", "horizontal"},
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

QString dragFormat(const QString& typeName)
{
    return QStringLiteral("gui/") + typeName;
}

} // namespace DesignControlTypes
