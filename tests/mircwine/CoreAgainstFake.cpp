// The Win32 core against fake mIRC windows, inside Wine: discovery (and the
// window whose "$version" is not a number left out), evaluations, commands,
// and the refusal of a text that does not fit the shared memory.
//
//   mirc-core-wine-test.exe FAKE   FAKE: the fake mIRC program, as a Unix path
#include "mirc/win32/MircSharedMemoryLayout.h"
#include "mirc/win32/MircWin32Core.h"
#include "mirc/win32/WideText.h"

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace {

namespace Layout = MircSharedMemoryLayout;

// How long the fakes may take to show their windows.
constexpr DWORD discoveryWaitMs = 30000;
constexpr DWORD pollMs = 100;

int passed = 0;
int failed = 0;

void check(bool ok, const char* what, const std::string& detail = std::string())
{
    ok ? ++passed : ++failed;
    std::printf("%s %s%s%s\n", ok ? "PASS" : "FAIL", what, detail.empty() ? "" : ": ", detail.c_str());
    std::fflush(stdout);
}

std::wstring windowsPath(const std::wstring& unixPath)
{
    std::wstring path = L"Z:" + unixPath;
    std::replace(path.begin(), path.end(), L'/', L'\\');
    return path;
}

std::wstring tempFolder()
{
    wchar_t buffer[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, buffer);
    std::wstring folder = std::wstring(buffer) + L"korvel-core-test-" + std::to_wstring(GetCurrentProcessId());
    CreateDirectoryW(folder.c_str(), nullptr);
    return folder;
}

void writeFile(const std::wstring& path, const std::string& text)
{
    std::ofstream(WideText::toUtf8(path), std::ios::binary) << text;
}

// A whole file: for a fake's log, the commands it performed, one a line.
std::string readFile(const std::wstring& path)
{
    std::ostringstream text;
    text << std::ifstream(WideText::toUtf8(path), std::ios::binary).rdbuf();
    return text.str();
}

// Starts the fake mIRC program with the state file `state` and the command
// log `log`.
bool startFake(const std::wstring& program, const std::wstring& state, const std::wstring& log,
               PROCESS_INFORMATION& process)
{
    std::wstring commandLine = L"\"" + program + L"\" \"" + state + L"\" \"" + log + L"\"";
    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    return CreateProcessW(nullptr, &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process);
}

std::wstring evaluated(HWND window, const std::wstring& expression)
{
    std::wstring result;
    MircWin32::evaluate(window, expression, result);
    return result;
}

} // namespace

int wmain(int argc, wchar_t** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: mirc-core-wine-test FAKE\n");
        return 2;
    }
    const std::wstring fakeProgram = windowsPath(argv[1]);
    const std::wstring folder = tempFolder();

    const char* states[] = {
        "ddename alpha\nscript C:\\mirc\\one.mrc\nscript C:\\mirc\\two words.ini\nremote 5\n",
        "ddename beta\nversion 7.52\n",
        // Another program's window: its title starts with "mIRC" too.
        "title mIRC-notes\nversion seven\n",
    };
    const std::wstring alphaLog = folder + L"\\fake0.log";
    std::vector<PROCESS_INFORMATION> fakes(3);
    for (std::size_t i = 0; i < fakes.size(); ++i) {
        const std::wstring state = folder + L"\\fake" + std::to_wstring(i) + L".state";
        const std::wstring log = folder + L"\\fake" + std::to_wstring(i) + L".log";
        writeFile(state, states[i]);
        writeFile(log, "");
        check(startFake(fakeProgram, state, log, fakes[i]), "a fake starts");
    }

    check(MircWin32::SharedMemory::instance().isAvailable(), "the shared memory is created");
    check(!MircWin32::SharedMemory::instance().wasAlreadyPresent(), "no other program holds the mapping");

    std::vector<HWND> found;
    const DWORD start = GetTickCount();
    while (GetTickCount() - start < discoveryWaitMs) {
        found = MircWin32::findInstances();
        if (found.size() >= 2 && FindWindowW(nullptr, L"mIRC-notes"))
            break;
        Sleep(pollMs);
    }
    Sleep(pollMs); // the window not to be listed has had every chance to show up
    found = MircWin32::findInstances();
    check(FindWindowW(nullptr, L"mIRC-notes") != nullptr, "the impostor window exists");
    check(found.size() == 2, "two instances found", std::to_string(found.size()) + " found");

    std::set<std::wstring> names;
    HWND alpha = nullptr;
    for (HWND window : found) {
        const std::wstring name = evaluated(window, L"$ddename ( $+ $version $+ )");
        names.insert(name);
        if (name == L"alpha (7.71)")
            alpha = window;
    }
    check(names == std::set<std::wstring>{L"alpha (7.71)", L"beta (7.52)"}, "both instances name themselves");
    check(alpha != nullptr, "the instance alpha is listed");

    if (alpha) {
        check(evaluated(alpha, L"$script(0)") == L"2", "$script(0)");
        check(evaluated(alpha, L"$script(2)") == L"C:\\mirc\\two words.ini", "$script(2)");
        check(evaluated(alpha, L"$script(3)").empty(), "a script number past the end reads empty");
        check(evaluated(alpha, L"$remote") == L"5", "$remote");

        const std::wstring reload = L"/!.reload -rs \"C:\\mirc\\one.mrc\"";
        check(MircWin32::command(alpha, reload) == MircWin32::Status::Done, "a command is sent");
        const std::string logged = WideText::toUtf8(reload) + '\n';
        check(readFile(alphaLog) == logged, "the fake performed the command");

        // The longest text that fits goes whole; one more character is refused
        // and leaves the shared memory as it was.
        const std::wstring longest = L"/echo " + std::wstring(Layout::maxTextLength - 6, L'x');
        check(MircWin32::command(alpha, longest) == MircWin32::Status::Done, "the longest text is sent");
        const std::wstring tooLong = longest + L"y";
        check(MircWin32::command(alpha, tooLong) == MircWin32::Status::TextTooLong, "a longer text is refused");
        std::wstring result;
        check(MircWin32::evaluate(alpha, tooLong, result) == MircWin32::Status::TextTooLong && result.empty(),
              "a longer expression is refused");
        check(MircWin32::SharedMemory::instance().read() == longest, "nothing of a refused text is written");
        check(readFile(alphaLog) == logged + WideText::toUtf8(longest) + '\n', "the fake got the longest text whole");
    }

    for (PROCESS_INFORMATION& fake : fakes) {
        if (fake.hProcess) {
            TerminateProcess(fake.hProcess, 0);
            WaitForSingleObject(fake.hProcess, 5000);
            CloseHandle(fake.hProcess);
            CloseHandle(fake.hThread);
        }
    }
    std::printf("%d passed, %d failed\n", passed, failed);
    return failed == 0 ? 0 : 1;
}
