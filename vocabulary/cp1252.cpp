#include "vocabulary/cp1252.h"

namespace vocabulary {

namespace {
// The characters of the bytes 0x80 to 0x9F.
constexpr char16_t high[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};
} // namespace

QString decodeCp1252(QByteArrayView bytes) {
    QString text(bytes.size(), Qt::Uninitialized);
    char16_t *out = reinterpret_cast<char16_t *>(text.data());
    for (char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        *out++ = b >= 0x80 && b <= 0x9F ? high[b - 0x80] : char16_t(b);
    }
    return text;
}

std::optional<QByteArray> encodeCp1252(QStringView text) {
    QByteArray bytes;
    bytes.reserve(text.size());
    for (QChar ch : text) {
        const char16_t u = ch.unicode();
        if (u < 0x80 || (u >= 0xA0 && u <= 0xFF)) {
            bytes.append(static_cast<char>(u));
            continue;
        }
        int b = 0;
        while (b < 32 && high[b] != u)
            ++b;
        if (b == 32) return std::nullopt;
        bytes.append(static_cast<char>(0x80 + b));
    }
    return bytes;
}

} // namespace vocabulary
