#include "SemanticTokenTypes.h"

namespace SemanticTokenTypes {

const SemanticTokenType entries[] = {
    {FormatId::commentFormat, "comment", nullptr},
    {FormatId::commentErrorFormat, "comment", nullptr},
    {FormatId::taskMarkerFormat, "comment", "documentation"},
    {FormatId::braceFormat, "operator", nullptr},
    {FormatId::aliasKeywordFormat, "keyword", nullptr},
    {FormatId::dialogKeywordFormat, "keyword", nullptr},
    {FormatId::menuKeywordFormat, "keyword", nullptr},
    {FormatId::eventKeywordFormat, "keyword", nullptr},
    {FormatId::ctcpRawKeywordFormat, "keyword", nullptr},
    {FormatId::aliasSwitchFormat, "modifier", nullptr},
    {FormatId::dialogSwitchFormat, "modifier", nullptr},
    {FormatId::aliasNameFormat, "function", "declaration"},
    {FormatId::dialogNameFormat, "class", "declaration"},
    {FormatId::accessLevelFormat, "number", nullptr},
    {FormatId::eventNameFormat, "event", nullptr},
    {FormatId::groupNameFormat, "namespace", nullptr},
    {FormatId::groupStateFormat, "enumMember", nullptr},
    {FormatId::variableFormat, "variable", nullptr},
    {FormatId::commandFormat, "function", "defaultLibrary"},
    {FormatId::identifierFormat, "macro", nullptr},
    {FormatId::propertyFormat, "property", nullptr},
    {FormatId::promptFormat, "string", nullptr},
    {FormatId::dialogTableFormat, "type", nullptr},
    {FormatId::menuItemFormat, "string", nullptr},
};

const int entryCount = int(sizeof(entries) / sizeof(entries[0]));

} // namespace SemanticTokenTypes
