// mirc-bridge.exe: runs under Wine beside a Wine-hosted mIRC and passes
// Korvel's requests, one line each on standard input, to the mIRC windows of
// that Wine desktop, answering each with one line on standard output. Ends
// when its input ends.
#include "BridgeProtocol.h"
#include "MircWin32Core.h"
#include "WideText.h"

#include <cstdio>
#include <fcntl.h>
#include <io.h>
#include <string>

namespace {

// A window gets this long to answer one message: a hung one must not hold
// up Korvel, which gives up on the helper itself after a little longer.
constexpr unsigned windowAnswerTimeoutMs = 100;

bool readLine(std::string& line)
{
    line.clear();
    int c = 0;
    while ((c = std::fgetc(stdin)) != EOF && c != '\n')
        line += char(c);
    if (!line.empty() && line.back() == '\r')
        line.pop_back();
    return c != EOF || !line.empty();
}

void answer(const std::string& line)
{
    std::fwrite(line.data(), 1, line.size(), stdout);
    std::fputc('\n', stdout);
    std::fflush(stdout);
}

std::string statusAnswer(MircWin32::Status status)
{
    return status == MircWin32::Status::TextTooLong ? BridgeProtocol::Word::tooLong
                                                    : BridgeProtocol::Word::unavailable;
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
        const MircWin32::Status status
            = MircWin32::evaluate(windowOf(request), WideText::fromUtf8(request.text), result);
        return status == MircWin32::Status::Done ? BridgeProtocol::formatResult(WideText::toUtf8(result))
                                                 : statusAnswer(status);
    }
    case BridgeProtocol::Request::Kind::Command: {
        if (!IsWindow(windowOf(request)))
            return BridgeProtocol::Word::unavailable;
        const MircWin32::Status status = MircWin32::command(windowOf(request), WideText::fromUtf8(request.text));
        return status == MircWin32::Status::Done ? std::string(BridgeProtocol::Word::done) : statusAnswer(status);
    }
    case BridgeProtocol::Request::Kind::Invalid:
        break;
    }
    return BridgeProtocol::Word::error;
}

} // namespace

int wmain()
{
    _setmode(_fileno(stdin), _O_BINARY);
    _setmode(_fileno(stdout), _O_BINARY);
    if (!MircWin32::SharedMemory::instance().isAvailable()) {
        answer(BridgeProtocol::Word::unavailable);
        return 1;
    }
    MircWin32::setAnswerTimeout(windowAnswerTimeoutMs);
    answer(BridgeProtocol::Word::ready);
    std::string line;
    while (readLine(line))
        answer(handle(BridgeProtocol::parseRequest(line)));
    return 0;
}
