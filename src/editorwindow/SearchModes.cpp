#include "SearchModes.h"

namespace SearchModes {

const SearchModeLook looks[] = {
    {SearchMode::Plain, ":/find/resources/img_assets/editor/find/magnify.png", nullptr},
    {SearchMode::CaseSensitive, ":/find/resources/img_assets/editor/find/search_green.png", "Case Sensitive"},
    {SearchMode::RegularExpression, ":/find/resources/img_assets/editor/find/search_red.png", "Regular Expression"},
    {SearchMode::WholeWords, ":/find/resources/img_assets/editor/find/search_blue.png", "Whole words"},
    {SearchMode::Identifier, ":/find/resources/img_assets/editor/find/search_orange.png", "Identifier search"},
};
const int lookCount = int(sizeof(looks) / sizeof(looks[0]));

const SearchModeLook& lookOf(SearchMode mode)
{
    return looks[int(mode)];
}

} // namespace SearchModes
