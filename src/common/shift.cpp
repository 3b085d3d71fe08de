#include "shift.h"

namespace Lumo {

namespace {
constexpr int Shift = 85;
constexpr int MaxCode = 255;
} // namespace

QString ShiftEncode(const QString &text)
{
    QString encoded;
    encoded.reserve(text.size());
    for (const QChar c : text) {
        if (c.unicode() + Shift <= MaxCode)
            encoded.append(QChar(c.unicode() + Shift));
    }
    return encoded;
}

QString ShiftDecode(const QString &text)
{
    QString decoded;
    decoded.reserve(text.size());
    for (const QChar c : text) {
        // Codes above the single-byte range cannot come from an encoded text.
        if (c.unicode() >= Shift && c.unicode() <= MaxCode)
            decoded.append(QChar(c.unicode() - Shift));
    }
    return decoded;
}

} // namespace Lumo
