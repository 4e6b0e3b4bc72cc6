// fake-mirc.exe STATE LOG: a stand-in for mIRC under Wine. A hidden top-level
// window titled as the state says answers mIRC's two window messages through
// the shared memory named "mIRC", from the state read from the file STATE;
// every command it performs is appended to the file LOG as a UTF-8 line. It
// ends by itself after a while, so nothing it leaves behind runs for long.
#include "FakeMircState.h"
#include "mirc/win32/MircSharedMemoryLayout.h"
#include "mirc/win32/WideText.h"

#include <windows.h>

#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>

namespace {

namespace Layout = MircSharedMemoryLayout;

constexpr UINT_PTR lifetimeTimer = 1;
constexpr UINT lifetimeMs = 180000;

FakeMircState state;
std::wstring logPath;

void logCommand(const std::wstring& command)
{
    std::ofstream log(WideText::toUtf8(logPath), std::ios::app | std::ios::binary);
    log << WideText::toUtf8(command) << '\n';
}

// Messages are answered the way mIRC does: the text is read from the
// mapping and, for an evaluation, the result written back in its place.
// The mapping a client created, opened at the first message and kept: the
// name stays valid as long as someone holds it.
wchar_t* sharedView()
{
    static wchar_t* view = nullptr;
    if (!view) {
        HANDLE mapping = OpenFileMappingW(FILE_MAP_ALL_ACCESS, FALSE, Layout::mappingName);
        if (mapping)
            view = static_cast<wchar_t*>(MapViewOfFile(mapping, FILE_MAP_ALL_ACCESS, 0, 0, Layout::sizeInBytes));
    }
    return view;
}

LRESULT answer(UINT message, WPARAM flags)
{
    if (state.hangs())
        Sleep(lifetimeMs);
    wchar_t* view = sharedView();
    if ((flags & Layout::unicodeTextFlag) == 0 || !view)
        return 0;
    std::size_t length = 0;
    while (length < Layout::unitsInMapping && view[length] != L'\0')
        ++length;
    const std::wstring text(view, length);
    if (message == Layout::evaluateMessage) {
        std::wstring result = state.evaluate(text);
        result.resize(std::min(result.size(), Layout::maxTextLength));
        result.copy(view, result.size());
        view[result.size()] = L'\0';
    } else {
        logCommand(text);
        state.perform(text);
    }
    return 1;
}

LRESULT CALLBACK windowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == Layout::evaluateMessage || message == Layout::commandMessage)
        return answer(message, wParam);
    if (message == WM_TIMER && wParam == lifetimeTimer) {
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

bool readState(const std::wstring& path)
{
    std::ifstream file(WideText::toUtf8(path), std::ios::binary);
    if (!file)
        return false;
    std::stringstream bytes;
    bytes << file.rdbuf();
    state = FakeMircState::parse(WideText::fromUtf8(bytes.str()));
    return true;
}

} // namespace

int wmain(int argc, wchar_t** argv)
{
    if (argc != 3 || !readState(argv[1])) {
        std::fprintf(stderr, "usage: fake-mirc STATE LOG\n");
        return 2;
    }
    logPath = argv[2];

    WNDCLASSW windowClass = {};
    windowClass.lpfnWndProc = windowProcedure;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = L"KorvelFakeMirc";
    RegisterClassW(&windowClass);
    HWND window =
        CreateWindowExW(0, windowClass.lpszClassName, state.title().c_str(), WS_OVERLAPPEDWINDOW, CW_USEDEFAULT,
                        CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr, windowClass.hInstance, nullptr);
    if (!window) {
        std::fprintf(stderr, "fake-mirc: no window (is there a display?)\n");
        return 1;
    }
    SetTimer(window, lifetimeTimer, lifetimeMs, nullptr);
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0)
        DispatchMessageW(&message);
    return 0;
}
