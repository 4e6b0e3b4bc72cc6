#pragma once

#include <QLatin1String>

// The checker paints with a fixed set of shared formats. The core names them
// by id; the highlighter maps each id to its QTextCharFormat, and the
// command-line checker and the tests print the stable name.
enum class FormatId : unsigned char {
    None = 0,
    commentFormat,
    errorFormat,
    warningFormat,
    noticeFormat,
    commentErrorFormat,
    braceFormat,
    aliasKeywordFormat,
    aliasSwitchFormat,
    aliasNameFormat,
    dialogKeywordFormat,
    dialogSwitchFormat,
    dialogNameFormat,
    menuKeywordFormat,
    eventKeywordFormat,
    ctcpRawKeywordFormat,
    accessLevelFormat,
    eventNameFormat,
    groupNameFormat,
    groupStateFormat,
    variableFormat,
    commandFormat,
    identifierFormat,
    propertyFormat,
    promptFormat,
    dialogTableFormat,
    menuItemFormat,
    taskMarkerFormat,
};

constexpr int formatIdCount = int(FormatId::taskMarkerFormat) + 1;

// "commentFormat" for FormatId::commentFormat; "" for None.
QLatin1String formatName(FormatId id);
// The id whose name is given; None when no format has that name.
FormatId formatIdFromName(QLatin1String name);
