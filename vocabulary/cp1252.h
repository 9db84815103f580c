#pragma once
// Windows-1252, the encoding of the shipped vocabularies: Latin-1 but for the
// bytes 0x80 to 0x9F, which hold €, the curly quotes, œ, Š and the like. The
// five bytes Windows leaves undefined there (0x81, 0x8D, 0x8F, 0x90, 0x9D)
// stand for the control characters of the same number, so every byte has a
// character and every file reads and is written back unchanged.

#include <QByteArray>
#include <QString>
#include <optional>

namespace vocabulary {

QString decodeCp1252(QByteArrayView bytes);
// The text's bytes, or nothing when a character has no byte in Windows-1252.
std::optional<QByteArray> encodeCp1252(QStringView text);

} // namespace vocabulary
