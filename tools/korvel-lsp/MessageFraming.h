#pragma once

#include <QByteArray>

// The base protocol of the language server: every message is a header block
// ("Content-Length: n", optionally "Content-Type: ...", each line ended by
// CR LF, the block ended by an empty line) followed by exactly n bytes of
// JSON.
//
// FrameReader takes the bytes in whatever pieces the pipe delivers them and
// hands out whole message bodies. A header block without a usable
// Content-Length, or bytes that are no header at all, are reported once and
// skipped up to the next "Content-Length:" so that a client that wrote
// garbage can still be understood afterwards.
class FrameReader {
public:
    enum class Result {
        NeedMoreBytes, // nothing complete yet
        Message,       // `body` holds one message body
        BadHeader,     // bytes were skipped; `error` says why
    };

    void append(const QByteArray& bytes);
    Result next(QByteArray& body, QByteArray& error);

    // Bytes received but not yet handed out (a frame cut short when the
    // client went away).
    bool hasPendingBytes() const { return !buffer.isEmpty(); }

    // A header block longer than this is garbage, not a header.
    static constexpr int maxHeaderBytes = 64 * 1024;
    // A body announced larger than this is refused rather than waited for:
    // no script the editor could open comes near it.
    static constexpr qsizetype maxBodyBytes = qsizetype(1) << 30;

private:
    bool skipToNextHeader();

    QByteArray buffer;
    qsizetype bodyLength = -1; // length of the body being waited for; -1 while reading a header
};

// The header block that goes before a body of this many bytes.
QByteArray frameHeader(qsizetype bodyBytes);
