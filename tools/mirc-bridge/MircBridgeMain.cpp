// mirc-bridge.exe: runs under Wine beside a Wine-hosted mIRC and passes
// Korvel's requests, one line each on standard input, to the mIRC windows of
// that Wine desktop, answering each with one line on standard output. Ends
// when its input ends. Requests that arrive together are answered with one
// write, which saves Korvel a wake-up per answer.
#include "mirc/bridge/BridgeProtocol.h"
#include "mirc/win32/MircWin32Core.h"
#include "mirc/win32/WideText.h"

#include <string>

namespace {

// A window gets this long to answer one message: a hung one must not hold
// up Korvel, which gives up on the helper itself after a little longer.
constexpr unsigned windowAnswerTimeoutMs = 100;

// Reads what has arrived on standard input (at least one byte, at most a
// buffer), so that requests sent together are answered together.
bool readChunk(std::string& pending)
{
    char buffer[65536];
    DWORD got = 0;
    if (!ReadFile(GetStdHandle(STD_INPUT_HANDLE), buffer, sizeof buffer, &got, nullptr) || got == 0)
        return false;
    pending.append(buffer, got);
    return true;
}

void write(const std::string& text)
{
    const HANDLE output = GetStdHandle(STD_OUTPUT_HANDLE);
    std::size_t written = 0;
    while (written < text.size()) {
        DWORD now = 0;
        if (!WriteFile(output, text.data() + written, DWORD(text.size() - written), &now, nullptr) || now == 0)
            return;
        written += now;
    }
}

std::string statusAnswer(MircWin32::Status status)
{
    return status == MircWin32::Status::TextTooLong ? BridgeProtocol::Word::tooLong : BridgeProtocol::Word::unavailable;
}

HWND windowOf(const BridgeProtocol::Request& request)
{
    return reinterpret_cast<HWND>(static_cast<std::uintptr_t>(request.window));
}

std::string handle(const BridgeProtocol::Request& request)
{
    switch (request.kind) {
    case BridgeProtocol::Request::Kind::Find: {
        std::vector<std::uint64_t> windows;
        for (HWND window : MircWin32::findInstances())
            windows.push_back(std::uint64_t(reinterpret_cast<std::uintptr_t>(window)));
        return BridgeProtocol::formatInstances(windows);
    }
    case BridgeProtocol::Request::Kind::Evaluate: {
        // A window that has gone away would echo the question back.
        if (!IsWindow(windowOf(request)))
            return BridgeProtocol::Word::unavailable;
        std::wstring result;
        const MircWin32::Status status =
            MircWin32::evaluate(windowOf(request), WideText::fromUtf8(request.text), result);
        return status == MircWin32::Status::Done ? BridgeProtocol::formatResult(WideText::toUtf8(result))
                                                 : statusAnswer(status);
    }
    case BridgeProtocol::Request::Kind::Command: {
        if (!IsWindow(windowOf(request)))
            return BridgeProtocol::Word::unavailable;
        const MircWin32::Status status = MircWin32::command(windowOf(request), WideText::fromUtf8(request.text));
        return status == MircWin32::Status::Done ? std::string(BridgeProtocol::Word::done) : statusAnswer(status);
    }
    case BridgeProtocol::Request::Kind::Invalid: break;
    }
    return BridgeProtocol::Word::error;
}

} // namespace

int wmain()
{
    const std::string lineEnd = "\n";
    if (!MircWin32::SharedMemory::instance().isAvailable()) {
        write(BridgeProtocol::Word::unavailable + lineEnd);
        return 1;
    }
    MircWin32::setAnswerTimeout(windowAnswerTimeoutMs);
    write(BridgeProtocol::Word::ready + lineEnd);
    std::string pending;
    while (readChunk(pending)) {
        std::string answers;
        std::size_t start = 0;
        for (std::size_t end; (end = pending.find('\n', start)) != std::string::npos; start = end + 1) {
            std::string line = pending.substr(start, end - start);
            if (!line.empty() && line.back() == '\r')
                line.pop_back();
            answers += handle(BridgeProtocol::parseRequest(line)) + lineEnd;
        }
        pending.erase(0, start);
        write(answers);
    }
    return 0;
}
