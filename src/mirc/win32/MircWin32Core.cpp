#include "MircWin32Core.h"

#include "MircSharedMemoryLayout.h"

#include <cwchar>

namespace MircWin32 {

namespace Layout = MircSharedMemoryLayout;

SharedMemory& SharedMemory::instance()
{
    static SharedMemory memory;
    return memory;
}

SharedMemory::SharedMemory()
{
    mapping = CreateFileMappingW(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0, DWORD(Layout::sizeInBytes),
                                 Layout::mappingName);
    if (!mapping)
        return;
    alreadyPresent = GetLastError() == ERROR_ALREADY_EXISTS;
    view = static_cast<wchar_t*>(MapViewOfFile(mapping, FILE_MAP_ALL_ACCESS, 0, 0, Layout::sizeInBytes));
}

Status SharedMemory::write(const std::wstring& text)
{
    if (!view)
        return Status::NoSharedMemory;
    if (text.size() > Layout::maxTextLength)
        return Status::TextTooLong;
    std::wmemcpy(view, text.data(), text.size());
    view[text.size()] = L'\0';
    return Status::Done;
}

std::wstring SharedMemory::read() const
{
    if (!view)
        return std::wstring();
    std::size_t length = 0;
    while (length < Layout::unitsInMapping && view[length] != L'\0')
        ++length;
    return std::wstring(view, length);
}

namespace {

unsigned answerTimeoutMs = defaultAnswerTimeoutMs;

// Never a plain SendMessage: a hung or busy mIRC must not hold the caller.
bool send(HWND window, unsigned message)
{
    DWORD_PTR reply = 0;
    return SendMessageTimeoutW(window, message, Layout::unicodeTextFlag, Layout::mappingIndex,
                               SMTO_ABORTIFHUNG | SMTO_BLOCK, answerTimeoutMs, &reply)
        != 0;
}

} // namespace

void setAnswerTimeout(unsigned milliseconds)
{
    answerTimeoutMs = milliseconds;
}

Status evaluate(HWND window, const std::wstring& expression, std::wstring& result)
{
    result.clear();
    SharedMemory& memory = SharedMemory::instance();
    const Status written = memory.write(expression);
    if (written != Status::Done)
        return written;
    // The reply is not trusted: whatever is in the mapping afterwards is the
    // answer, so a window that ignores the message echoes the question back.
    if (!send(window, Layout::evaluateMessage))
        return Status::NoAnswer;
    result = memory.read();
    return Status::Done;
}

Status command(HWND window, const std::wstring& text)
{
    const Status written = SharedMemory::instance().write(text);
    if (written != Status::Done)
        return written;
    return send(window, Layout::commandMessage) ? Status::Done : Status::NoAnswer;
}

bool isNumber(const std::wstring& text)
{
    if (text.empty())
        return false;
    wchar_t* end = nullptr;
    std::wcstod(text.c_str(), &end);
    return end != text.c_str() && *end == L'\0';
}

namespace {

bool hasMircTitle(HWND window)
{
    wchar_t title[Layout::titleBufferLength] = {};
    const int length = GetWindowTextW(window, title, Layout::titleBufferLength);
    const std::size_t prefixLength = std::wcslen(Layout::titlePrefix);
    return length >= int(prefixLength) && std::wcsncmp(title, Layout::titlePrefix, prefixLength) == 0;
}

BOOL CALLBACK collectInstance(HWND window, LPARAM found)
{
    if (hasMircTitle(window)) {
        std::wstring version;
        if (evaluate(window, L"$version", version) == Status::Done && isNumber(version))
            reinterpret_cast<std::vector<HWND>*>(found)->push_back(window);
    }
    return TRUE; // every window is looked at
}

} // namespace

std::vector<HWND> findInstances()
{
    std::vector<HWND> found;
    EnumWindows(collectInstance, reinterpret_cast<LPARAM>(&found));
    return found;
}

} // namespace MircWin32
