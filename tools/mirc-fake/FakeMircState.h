#pragma once

#include <string>
#include <vector>

// What a fake mIRC knows and does, without any window: it answers exactly the
// evaluations Korvel sends and applies the commands Korvel gives to its own
// state, recording each command. Plain C++, so that the Win32 fake program
// and the tests' in-process fake share it.
//
// A state is given as lines "key value":
//   title    window title (default "mIRC fake")
//   version  the answer to $version (default 7.71)
//   ddename  the DDE server name (default mIRC)
//   remote   the $remote mask: 0 remote off, else ctcps 1 + events 2 + raw 4
//   script   the path of a loaded script (one line each, in load order)
//   hang     1: never answer (an mIRC that hangs)
class FakeMircState {
public:
    // Unknown keys and malformed lines are ignored.
    static FakeMircState parse(const std::wstring& text);

    const std::wstring& title() const { return windowTitle; }
    bool hangs() const { return neverAnswers; }

    // The answer to an expression; empty for anything not understood.
    std::wstring evaluate(const std::wstring& expression) const;
    // Records the command and applies it.
    void perform(const std::wstring& command);

    const std::vector<std::wstring>& scripts() const { return loaded; }
    const std::vector<std::wstring>& performed() const { return commands; }
    int remoteMask() const;

private:
    std::wstring windowTitle = L"mIRC fake";
    std::wstring version = L"7.71";
    std::wstring ddeName = L"mIRC";
    std::vector<std::wstring> loaded;
    std::vector<std::wstring> commands;
    int listenBits = 7;
    bool remoteOn = true;
    bool neverAnswers = false;
};
