#include "StdioChannel.h"

#include <QtGlobal>

#include <cerrno>
#include <cstdio>

#ifdef Q_OS_WIN
#include <fcntl.h>
#include <io.h>
#include <windows.h>
#else
#include <csignal>
#include <poll.h>
#include <unistd.h>
#endif

namespace StdioChannel {

namespace {

constexpr int readChunkBytes = 64 * 1024;
constexpr int standardInput = 0;
constexpr int standardOutput = 1;

} // namespace

void prepare()
{
#ifdef Q_OS_WIN
    _setmode(standardInput, _O_BINARY);
    _setmode(standardOutput, _O_BINARY);
#else
    std::signal(SIGPIPE, SIG_IGN);
#endif
}

QByteArray read()
{
    QByteArray chunk(readChunkBytes, Qt::Uninitialized);
    while (true) {
#ifdef Q_OS_WIN
        const int got = _read(standardInput, chunk.data(), readChunkBytes);
#else
        const ssize_t got = ::read(standardInput, chunk.data(), readChunkBytes);
#endif
        if (got < 0 && errno == EINTR)
            continue;
        chunk.resize(got > 0 ? qsizetype(got) : 0);
        return chunk;
    }
}

bool hasInput()
{
#ifdef Q_OS_WIN
    DWORD waiting = 0;
    const HANDLE pipe = reinterpret_cast<HANDLE>(_get_osfhandle(standardInput));
    // A console or file (no pipe) always counts as ready; so does a broken pipe.
    return !PeekNamedPipe(pipe, nullptr, 0, nullptr, &waiting, nullptr) || waiting > 0;
#else
    pollfd input{standardInput, POLLIN, 0};
    while (true) {
        const int ready = ::poll(&input, 1, 0);
        if (ready < 0 && errno == EINTR)
            continue;
        return ready != 0;
    }
#endif
}

bool write(const QByteArray& bytes)
{
    const char* data = bytes.constData();
    qsizetype left = bytes.size();
    while (left > 0) {
#ifdef Q_OS_WIN
        const int written = _write(standardOutput, data, unsigned(qMin<qsizetype>(left, readChunkBytes)));
#else
        const ssize_t written = ::write(standardOutput, data, size_t(left));
#endif
        if (written < 0 && errno == EINTR)
            continue;
        if (written <= 0)
            return false;
        data += written;
        left -= written;
    }
    return true;
}

} // namespace StdioChannel
