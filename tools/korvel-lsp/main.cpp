#include "LspServer.h"
#include "MessageFraming.h"
#include "StdioChannel.h"

#include <cstdio>

// korvel-lsp: Korvel's checker, hover, completion, signature help and
// outline for any editor that speaks the Language Server Protocol, over
// standard input and output. It ends on "exit" or when the client closes
// its end of the pipe.
int main()
{
    StdioChannel::prepare();
    // The header and the body go out apart: a body can be megabytes of
    // diagnostics, not worth copying once more.
    LspServer server([](const QByteArray& body) {
        return StdioChannel::write(frameHeader(body.size())) && StdioChannel::write(body);
    });
    FrameReader reader;
    while (!server.finished()) {
        const QByteArray bytes = StdioChannel::read();
        if (bytes.isEmpty())
            break;
        reader.append(bytes);
        QByteArray body, error;
        bool more = true;
        while (more && !server.finished()) {
            switch (reader.next(body, error)) {
            case FrameReader::Result::NeedMoreBytes:
                more = false;
                // Edits still in the pipe are read first: only the last
                // version of a document is checked and published.
                if (!StdioChannel::hasInput())
                    server.settle();
                break;
            case FrameReader::Result::Message: server.handleMessage(body); break;
            case FrameReader::Result::BadHeader: server.reportFramingError(error); break;
            }
        }
    }
    if (reader.hasPendingBytes() && !server.finished())
        std::fputs("korvel-lsp: the client closed its pipe in the middle of a message\n", stderr);
    return server.exitCode();
}
