#include "FormatId.h"

namespace {

// Indexed by FormatId; keep in the enum's order.
constexpr const char* formatNames[formatIdCount] = {
    "",
    "commentFormat",
    "errorFormat",
    "warningFormat",
    "noticeFormat",
    "commentErrorFormat",
    "braceFormat",
    "aliasKeywordFormat",
    "aliasSwitchFormat",
    "aliasNameFormat",
    "dialogKeywordFormat",
    "dialogSwitchFormat",
    "dialogNameFormat",
    "menuKeywordFormat",
    "eventKeywordFormat",
    "ctcpRawKeywordFormat",
    "accessLevelFormat",
    "eventNameFormat",
    "groupNameFormat",
    "groupStateFormat",
    "variableFormat",
    "commandFormat",
    "identifierFormat",
    "propertyFormat",
    "promptFormat",
    "dialogTableFormat",
    "menuItemFormat",
    "taskMarkerFormat",
};

} // namespace

QLatin1String formatName(FormatId id)
{
    const int index = int(id);
    if (index < 0 || index >= formatIdCount)
        return QLatin1String("");
    return QLatin1String(formatNames[index]);
}

FormatId formatIdFromName(QLatin1String name)
{
    for (int i = 1; i < formatIdCount; ++i)
        if (name == QLatin1String(formatNames[i]))
            return FormatId(i);
    return FormatId::None;
}
