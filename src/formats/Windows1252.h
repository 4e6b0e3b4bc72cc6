#pragma once

#include <QByteArray>
#include <QString>

// The Windows-1252 code page, which most old scripts that are not UTF-8 were
// written in. Qt 6 only offers it through ICU, which a build may lack, so the
// program carries its own copy. Decoding maps every one of the 256 bytes to a
// distinct character (the five bytes the code page leaves undefined map to the
// C1 control of the same value, as Windows itself does), so decoding and then
// encoding gives back the very same bytes.
namespace Windows1252 {

QString decode(const QByteArray& bytes);

// Encodes `text` into `bytes`; false (and `bytes` unspecified) when a
// character has no Windows-1252 byte.
bool encode(const QString& text, QByteArray& bytes);

} // namespace Windows1252
