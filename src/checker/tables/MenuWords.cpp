#include "MenuWords.h"

#include <QLatin1String>

namespace MenuWords {

namespace {

const char* const targets[] = {"status", "nicklist", "query", "menubar", "chat", "channel"};

const char* const eventWords[] = {"sclick", "dclick", "uclick", "lbclick", "leave", "drop"};

template <int N> bool contains(const char* const (&words)[N], QStringView word)
{
    for (const char* entry : words)
        if (word == QLatin1String(entry))
            return true;
    return false;
}

} // namespace

int targetCount()
{
    return int(sizeof targets / sizeof targets[0]);
}
const char* target(int index)
{
    return targets[index];
}
bool isTarget(QStringView word)
{
    return contains(targets, word);
}

int eventWordCount()
{
    return int(sizeof eventWords / sizeof eventWords[0]);
}
const char* eventWord(int index)
{
    return eventWords[index];
}
bool isEventWord(QStringView word)
{
    return contains(eventWords, word);
}

} // namespace MenuWords
