#include "FakeMircState.h"

#include <algorithm>
#include <cwchar>

namespace {

constexpr int ctcpsBit = 1;
constexpr int eventsBit = 2;
constexpr int rawBit = 4;
constexpr int allListenBits = ctcpsBit | eventsBit | rawBit;

bool startsWith(const std::wstring& text, const std::wstring& prefix)
{
    return text.compare(0, prefix.size(), prefix) == 0;
}

// The path of "/!.load -rs "path"": what follows the prefix, without quotes.
std::wstring quotedPath(const std::wstring& command, const std::wstring& prefix)
{
    std::wstring path = command.substr(prefix.size());
    if (path.size() >= 2 && path.front() == L'"' && path.back() == L'"')
        path = path.substr(1, path.size() - 2);
    return path;
}

int toInt(const std::wstring& text)
{
    wchar_t* end = nullptr;
    const long value = std::wcstol(text.c_str(), &end, 10);
    return end != text.c_str() && *end == L'\0' ? int(value) : -1;
}

struct ListenSwitch {
    const wchar_t* name;
    int bit;
};
const ListenSwitch listenSwitches[] = {
    {L"/!.ctcps ", ctcpsBit},
    {L"/!.events ", eventsBit},
    {L"/!.raw ", rawBit},
};

} // namespace

FakeMircState FakeMircState::parse(const std::wstring& text)
{
    FakeMircState state;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find(L'\n', start);
        if (end == std::wstring::npos)
            end = text.size();
        std::wstring line = text.substr(start, end - start);
        start = end + 1;
        if (!line.empty() && line.back() == L'\r')
            line.pop_back();
        const std::size_t space = line.find(L' ');
        if (space == std::wstring::npos)
            continue;
        const std::wstring key = line.substr(0, space);
        const std::wstring value = line.substr(space + 1);
        if (key == L"title")
            state.windowTitle = value;
        else if (key == L"version")
            state.version = value;
        else if (key == L"ddename")
            state.ddeName = value;
        else if (key == L"script")
            state.loaded.push_back(value);
        else if (key == L"hang")
            state.neverAnswers = value == L"1";
        else if (key == L"remote" && toInt(value) >= 0) {
            state.remoteOn = toInt(value) != 0;
            state.listenBits = state.remoteOn ? (toInt(value) & allListenBits) : allListenBits;
        }
    }
    return state;
}

int FakeMircState::remoteMask() const
{
    return remoteOn ? listenBits : 0;
}

std::wstring FakeMircState::evaluate(const std::wstring& expression) const
{
    if (expression == L"$version")
        return version;
    if (expression == L"$ddename ( $+ $version $+ )")
        return ddeName + L" (" + version + L")";
    if (expression == L"$remote")
        return std::to_wstring(remoteMask());
    const std::wstring scriptPrefix = L"$script(";
    if (startsWith(expression, scriptPrefix) && expression.back() == L')') {
        const int number = toInt(expression.substr(scriptPrefix.size(), expression.size() - scriptPrefix.size() - 1));
        if (number == 0)
            return std::to_wstring(loaded.size());
        if (number > 0 && std::size_t(number) <= loaded.size())
            return loaded[std::size_t(number) - 1];
    }
    return std::wstring();
}

void FakeMircState::perform(const std::wstring& command)
{
    commands.push_back(command);
    const std::wstring load = L"/!.load -rs ";
    const std::wstring unload = L"/!.unload -rs ";
    if (startsWith(command, load)) {
        const std::wstring path = quotedPath(command, load);
        if (std::find(loaded.begin(), loaded.end(), path) == loaded.end())
            loaded.push_back(path);
        return;
    }
    if (startsWith(command, unload)) {
        const std::wstring path = quotedPath(command, unload);
        loaded.erase(std::remove(loaded.begin(), loaded.end(), path), loaded.end());
        return;
    }
    if (command == L"/!.remote on" || command == L"/!.remote off") {
        remoteOn = command == L"/!.remote on";
        return;
    }
    for (const ListenSwitch& listen : listenSwitches) {
        if (command == listen.name + std::wstring(L"on"))
            listenBits |= listen.bit;
        else if (command == listen.name + std::wstring(L"off"))
            listenBits &= ~listen.bit;
    }
    // "/!.reload" and "/!.run" change nothing a fake can show.
}
