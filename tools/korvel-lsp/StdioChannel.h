#pragma once

#include <QByteArray>

// The server's pipes: standard input and output as raw byte streams.
namespace StdioChannel {

// Puts both streams in binary mode (Windows would otherwise turn "\n" into
// CR LF inside message bodies) and keeps a closed output pipe from killing
// the process, so that a write failure can end the server in order.
void prepare();

// Blocks until some bytes arrive and returns them; an empty result means the
// client closed its end (or reading failed).
QByteArray read();

// True when bytes are waiting to be read (or the client closed its end), so
// that read() would not block.
bool hasInput();

// Writes all bytes and flushes; false when the client is gone.
bool write(const QByteArray& bytes);

} // namespace StdioChannel
