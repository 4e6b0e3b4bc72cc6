#include "DialogControls.h"

#include <QLatin1String>

namespace DialogControls {

namespace {

const Control controls[] = {
    // name      hasText sizeOptional anyStyle
    {"tab", true, true, true},      {"text", true, false, false},   {"button", true, false, false},
    {"edit", true, false, false},   {"check", true, false, false},  {"radio", true, false, false},
    {"box", true, false, false},    {"scroll", true, false, false}, {"link", true, false, true},
    {"menu", true, true, true},     {"item", true, true, true},     {"list", false, false, false},
    {"combo", false, false, false},
};

const Style styles[] = {
    {"text", "right"},    {"text", "center"}, {"text", "nowrap"},   {"button", "default"}, {"button", "ok"},
    {"button", "cancel"}, {"button", "flat"}, {"button", "multi"},  {"edit", "right"},     {"edit", "center"},
    {"edit", "multi"},    {"edit", "pass"},   {"edit", "read"},     {"edit", "return"},    {"edit", "hsbar"},
    {"edit", "vsbar"},    {"edit", "autohs"}, {"edit", "autovs"},   {"edit", "limit"},     {"edit", "rich"},
    {"check", "left"},    {"check", "push"},  {"check", "3state"},  {"radio", "left"},     {"radio", "push"},
    {"scroll", "top"},    {"scroll", "left"}, {"scroll", "bottom"}, {"scroll", "right"},   {"scroll", "horizontal"},
    {"scroll", "range"},  {"list", "sort"},   {"list", "extsel"},   {"list", "multsel"},   {"list", "size"},
    {"list", "vsbar"},    {"list", "hsbar"},  {"list", "check"},    {"list", "radio"},     {"combo", "sort"},
    {"combo", "edit"},    {"combo", "drop"},  {"combo", "size"},    {"combo", "vsbar"},    {"combo", "hsbar"},
    {"", "disable"},      {"", "hide"},       {"", "group"},        {"", "result"},
};

const char* const options[] = {"dbu", "pixels", "notheme", "disable"};

template <typename T, int N> constexpr int countOf(const T (&)[N])
{
    return N;
}

bool isTabStop(QStringView word)
{
    if (!word.startsWith(QLatin1String("tab")))
        return false;
    for (const QChar c : word.mid(3))
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return false;
    return true;
}

} // namespace

int controlCount()
{
    return countOf(controls);
}
const Control& control(int index)
{
    return controls[index];
}

const Control* findControl(QStringView name)
{
    for (const Control& entry : controls)
        if (name == QLatin1String(entry.name))
            return &entry;
    return nullptr;
}

int styleCount()
{
    return countOf(styles);
}
const Style& style(int index)
{
    return styles[index];
}

bool acceptsStyle(const Control& control, QStringView word)
{
    if (control.anyStyle || isTabStop(word))
        return true;
    const QLatin1String name(control.name);
    for (const Style& entry : styles) {
        const QLatin1String owner(entry.control);
        if ((owner.isEmpty() || owner == name) && word == QLatin1String(entry.style))
            return true;
    }
    return false;
}

int optionCount()
{
    return countOf(options);
}
const char* option(int index)
{
    return options[index];
}

bool isOption(QStringView word)
{
    for (const char* entry : options)
        if (word == QLatin1String(entry))
            return true;
    return false;
}

} // namespace DialogControls
