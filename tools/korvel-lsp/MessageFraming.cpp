#include "MessageFraming.h"

#include <QList>

namespace {

const QByteArray headerEnd = QByteArrayLiteral("\r\n\r\n");
const QByteArray lengthField = QByteArrayLiteral("content-length:");
const QByteArray typeField = QByteArrayLiteral("content-type:");

// True while the buffer can still be the start of a header block: it begins
// with one of the two field names, or with the beginning of one.
bool couldStartHeader(const QByteArray& buffer)
{
    const QByteArray start = buffer.left(lengthField.size()).toLower();
    for (const QByteArray& field : {lengthField, typeField}) {
        const qsizetype n = qMin(start.size(), field.size());
        if (start.left(n) == field.left(n))
            return true;
    }
    return false;
}

// The body length a header block announces, or -1 when it has no valid one.
qsizetype announcedLength(const QByteArray& header)
{
    for (const QByteArray& line : header.split('\n')) {
        const QByteArray field = line.trimmed();
        if (!field.toLower().startsWith(lengthField))
            continue;
        bool ok = false;
        const qlonglong length = field.mid(lengthField.size()).trimmed().toLongLong(&ok);
        return (ok && length >= 0) ? qsizetype(length) : -1;
    }
    return -1;
}

} // namespace

void FrameReader::append(const QByteArray& bytes)
{
    buffer.append(bytes);
}

bool FrameReader::skipToNextHeader()
{
    // Past the first byte, so that a bad header starting with the field
    // name is not found again.
    const qsizetype next = buffer.toLower().indexOf(lengthField, 1);
    if (next < 0) {
        // Keep only a tail that could be the start of the field name, cut
        // off by the pipe.
        qsizetype keep = qMin(buffer.size(), lengthField.size() - 1);
        while (keep > 0 && buffer.right(keep).toLower() != lengthField.left(keep))
            --keep;
        buffer = buffer.right(keep);
        return false;
    }
    buffer.remove(0, next);
    return true;
}

FrameReader::Result FrameReader::next(QByteArray& body, QByteArray& error)
{
    if (bodyLength < 0) {
        if (!buffer.isEmpty() && !couldStartHeader(buffer)) {
            skipToNextHeader();
            error = QByteArrayLiteral("Bytes outside a message frame were skipped");
            return Result::BadHeader;
        }
        const qsizetype end = buffer.indexOf(headerEnd);
        if (end < 0) {
            if (buffer.size() <= maxHeaderBytes)
                return Result::NeedMoreBytes;
            skipToNextHeader();
            error = QByteArrayLiteral("A message header was too long and was skipped");
            return Result::BadHeader;
        }
        const qsizetype length = announcedLength(buffer.left(end));
        if (length < 0 || length > maxBodyBytes) {
            buffer.remove(0, end + headerEnd.size());
            error = QByteArrayLiteral("A message header without a usable Content-Length was skipped");
            return Result::BadHeader;
        }
        buffer.remove(0, end + headerEnd.size());
        bodyLength = length;
    }
    if (buffer.size() < bodyLength)
        return Result::NeedMoreBytes;
    body = buffer.left(bodyLength);
    buffer.remove(0, bodyLength);
    bodyLength = -1;
    return Result::Message;
}

QByteArray frameHeader(qsizetype bodyBytes)
{
    return QByteArrayLiteral("Content-Length: ") + QByteArray::number(bodyBytes) + QByteArrayLiteral("\r\n\r\n");
}
