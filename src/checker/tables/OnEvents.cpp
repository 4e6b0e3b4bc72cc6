#include "OnEvents.h"

#include <QLatin1String>

namespace OnEvents {

namespace {

using P = Parameter;
using R = RecordPoint;

const EventGroup eventGroups[] = {
    {"E1", {P::Matchtext, P::MessageTargets}, 2, 2, R::AfterFirstParameter, 0},
    {"E2", {}, 0, 0, R::BeforeParameters, -1},
    {"E3", {P::ChannelTargets}, 1, 1, R::AfterFirstParameter, -1},
    {"E4", {P::Matchtext}, 1, 1, R::AfterFirstParameter, 0},
    {"E5", {P::WindowTarget}, 1, 1, R::BeforeParameters, -1},
    {"E6", {P::Filename}, 1, 1, R::BeforeParameters, -1},
    {"E7", {P::DccType}, 1, 1, R::BeforeParameters, -1},
    {"E8", {P::WindowType, P::Matchtext}, 2, 1, R::AfterChecks, 1},
    {"E9", {P::Matchtext, P::MatchtextTarget}, 2, 2, R::AfterFirstParameter, 0},
    {"E10", {P::Window, P::KeyTypes}, 2, 2, R::AfterFirstParameter, 0},
    {"E11", {P::UncheckedMatchtext}, 1, 1, R::BeforeParameters, -1},
    {"E12", {P::DialogName, P::DialogEvent, P::DialogIds}, 3, 3, R::AfterFirstParameter, 0},
};

const EventName eventNames[] = {
    {"action", 0},      {"notice", 0},     {"text", 0},     {"load", 1},      {"start", 1},      {"midiend", 1},
    {"waveend", 1},     {"mp3end", 1},     {"agent", 1},    {"exit", 1},      {"connect", 1},    {"disconnect", 1},
    {"connectfail", 1}, {"dns", 1},        {"nick", 1},     {"nosound", 1},   {"ping", 1},       {"pong", 1},
    {"playend", 1},     {"quit", 1},       {"notify", 1},   {"unotify", 1},   {"unload", 1},     {"usermode", 1},
    {"appactive", 1},   {"help", 2},       {"dehelp", 2},   {"op", 2},        {"deop", 2},       {"voice", 2},
    {"devoice", 2},     {"ban", 2},        {"unban", 2},    {"invite", 2},    {"join", 2},       {"kick", 2},
    {"mode", 2},        {"servermode", 2}, {"serverop", 2}, {"rawmode", 2},   {"topic", 2},      {"part", 2},
    {"owner", 2},       {"deowner", 2},    {"wallops", 3},  {"chat", 3},      {"serv", 3},       {"ctcpreply", 3},
    {"error", 3},       {"signal", 3},     {"snotice", 3},  {"sockclose", 3}, {"socklisten", 3}, {"sockopen", 3},
    {"sockread", 3},    {"sockwrite", 3},  {"udpread", 3},  {"active", 4},    {"input", 4},      {"tabcomp", 4},
    {"filercvd", 5},    {"filesent", 5},   {"sendfail", 5}, {"getfail", 5},   {"dccserver", 6},  {"open", 7},
    {"close", 7},       {"vcmd", 8},       {"hotlink", 8},  {"keydown", 9},   {"keyup", 9},      {"logon", 10},
    {"dialog", 11},
};

struct MissingParameterMessage {
    Parameter parameter;
    const char* message;
};

// Indexed by Parameter; keep in the enum's order.
constexpr MissingParameterMessage missingMessages[] = {
    {P::Matchtext, "matchtext parameter is missing"},   {P::UncheckedMatchtext, "matchtext parameter is missing"},
    {P::MessageTargets, "target parameter is missing"}, {P::ChannelTargets, "target parameter is missing"},
    {P::WindowTarget, "target parameter is missing"},   {P::MatchtextTarget, "target parameter is missing"},
    {P::Filename, "filename parameter is missing"},     {P::DccType, "DCC type parameter is missing"},
    {P::WindowType, "target parameter is missing"},     {P::Window, "window parameter is missing"},
    {P::KeyTypes, "key types parameter is missing"},    {P::DialogName, "name parameter is missing"},
    {P::DialogEvent, "event parameter is missing"},     {P::DialogIds, "dialog ID parameter is missing"},
};

constexpr bool inParameterOrder()
{
    int index = 0;
    for (const MissingParameterMessage& entry : missingMessages)
        if (int(entry.parameter) != index++)
            return false;
    return index == int(Parameter::DialogIds) + 1;
}
static_assert(inParameterOrder(), "missingMessages must follow the order of Parameter");

const char* const dialogEvents[] = {
    "init", "close", "edit", "sclick", "dclick", "menu", "scroll", "mouse", "uclick", "rclick", "drop", "*",
};

const char* const dccTypes[] = {"chat", "send", "fserve"};

template <typename T, int N> constexpr int countOf(const T (&)[N])
{
    return N;
}

bool contains(const char* const* words, int count, QStringView word)
{
    for (int i = 0; i < count; ++i)
        if (word == QLatin1String(words[i]))
            return true;
    return false;
}

} // namespace

int groupCount()
{
    return countOf(eventGroups);
}
const EventGroup& group(int index)
{
    return eventGroups[index];
}

int eventCount()
{
    return countOf(eventNames);
}
const EventName& event(int index)
{
    return eventNames[index];
}

const EventName* findEvent(QStringView name)
{
    for (const EventName& entry : eventNames)
        if (name == QLatin1String(entry.name))
            return &entry;
    return nullptr;
}

const char* missingMessage(Parameter parameter)
{
    return missingMessages[int(parameter)].message;
}

int dialogEventCount()
{
    return countOf(dialogEvents);
}
const char* dialogEvent(int index)
{
    return dialogEvents[index];
}
bool isDialogEvent(QStringView word)
{
    return contains(dialogEvents, countOf(dialogEvents), word);
}

int dccTypeCount()
{
    return countOf(dccTypes);
}
const char* dccType(int index)
{
    return dccTypes[index];
}
bool isDccType(QStringView word)
{
    return contains(dccTypes, countOf(dccTypes), word);
}

const char* windowTargetPrefixes()
{
    return "*#?=!@";
}

} // namespace OnEvents
