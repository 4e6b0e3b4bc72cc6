#pragma once

#include <string>
#include <vector>

#ifndef NOMINMAX
#define NOMINMAX
#endif
#include <windows.h>

// The Win32 side of talking to running mIRC instances, without Qt: Korvel on
// Windows, the bridge Korvel runs under Wine and the Wine tests all use this
// same code.
namespace MircWin32 {

enum class Status {
    Done,
    TextTooLong,    // refused: the text and its NUL do not fit the mapping
    NoSharedMemory, // the mapping could not be created or mapped
    NoAnswer,       // the window did not answer within the answer timeout
};

// How long a window may take to answer one message. Every message is sent
// with this bound and given up on a hung window at once, so a busy or hung
// mIRC costs the caller no more than a missing instance; the Wine helper
// sets a shorter one than the default.
constexpr unsigned defaultAnswerTimeoutMs = 250;
void setAnswerTimeout(unsigned milliseconds);

// The one mapping named "mIRC" of this process, created on first use and kept
// until the process ends. Every request goes through it, one at a time.
class SharedMemory {
public:
    static SharedMemory& instance();

    bool isAvailable() const { return view != nullptr; }
    // True when another program had already created a mapping of that name.
    bool wasAlreadyPresent() const { return alreadyPresent; }

    // Copies the text and its NUL to the start, or refuses a text that would
    // not fit (nothing is written then).
    Status write(const std::wstring& text);
    // The text from the start up to the first NUL, never past the end.
    std::wstring read() const;

private:
    SharedMemory();
    SharedMemory(const SharedMemory&) = delete;
    SharedMemory& operator=(const SharedMemory&) = delete;

    HANDLE mapping = nullptr;
    wchar_t* view = nullptr;
    bool alreadyPresent = false;
};

// Evaluates an mSL expression in the mIRC of `window`; `result` receives what
// mIRC wrote back (empty for an expression that evaluates to nothing).
Status evaluate(HWND window, const std::wstring& expression, std::wstring& result);

// Performs an mSL command in the mIRC of `window`; nothing is read back.
Status command(HWND window, const std::wstring& text);

// Every top-level window whose title starts with "mIRC" and that answers
// "$version" with a number, in the order the system enumerates them.
std::vector<HWND> findInstances();

// True when the whole text reads as a floating-point number.
bool isNumber(const std::wstring& text);

} // namespace MircWin32
