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

std::vector<std::string> readLines(const std::wstring& path)
{
    std::ifstream file(WideText::toUtf8(path), std::ios::binary);
    std::vector<std::string> lines;
    std::string line;
    while (std::getline(file, line))
        lines.push_back(line);
    return lines;
}

struct Fake {
    std::wstring state;
    std::wstring log;
    PROCESS_INFORMATION process = {};
};

bool startFake(const std::wstring& program, Fake& fake)
{
    std::wstring commandLine = L"\"" + program + L"\" \"" + fake.state + L"\" \"" + fake.log + L"\"";
    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    return CreateProcessW(nullptr, &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                          &fake.process);
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

    std::vector<Fake> fakes(3);
    const char* states[] = {
        "ddename alpha\nscript C:\\mirc\\one.mrc\nscript C:\\mirc\\two words.ini\nremote 5\n",
        "ddename beta\nversion 7.52\n",
        // Another program's window: its title starts with "mIRC" too.
        "title mIRC-notes\nversion seven\n",
    };
    for (std::size_t i = 0; i < fakes.size(); ++i) {
        fakes[i].state = folder + L"\\fake" + std::to_wstring(i) + L".state";
        fakes[i].log = folder + L"\\fake" + std::to_wstring(i) + L".log";
        writeFile(fakes[i].state, states[i]);
        writeFile(fakes[i].log, "");
        check(startFake(fakeProgram, fakes[i]), "a fake starts");
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

    if (alpha) {
        check(evaluated(alpha, L"$script(0)") == L"2", "$script(0)");
        check(evaluated(alpha, L"$script(2)") == L"C:\\mirc\\two words.ini", "$script(2)");
        check(evaluated(alpha, L"$script(3)").empty(), "a script number past the end reads empty");
        check(evaluated(alpha, L"$remote") == L"5", "$remote");

        const std::wstring reload = L"/!.reload -rs \"C:\\mirc\\one.mrc\"";
        check(MircWin32::command(alpha, reload) == MircWin32::Status::Done, "a command is sent");
        const std::vector<std::string> logged = readLines(fakes[0].log);
        check(logged.size() == 1 && logged[0] == WideText::toUtf8(reload), "the fake performed the command");

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
        const std::vector<std::string> all = readLines(fakes[0].log);
        check(all.size() == 2 && all[1] == WideText::toUtf8(longest), "the fake got the longest text whole");
    } else {
        check(false, "the instance alpha is listed");
    }

    for (Fake& fake : fakes) {
        if (fake.process.hProcess) {
            TerminateProcess(fake.process.hProcess, 0);
            WaitForSingleObject(fake.process.hProcess, 5000);
            CloseHandle(fake.process.hProcess);
            CloseHandle(fake.process.hThread);
        }
    }
    std::printf("%d passed, %d failed\n", passed, failed);
    return failed == 0 ? 0 : 1;
}
