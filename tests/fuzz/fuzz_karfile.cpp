// Feeds arbitrary bytes to the ".kar" reader and to the character shift: neither may crash,
// hang or read out of bounds, whatever file a user picks by mistake. A saved reading always
// opens again: whatever the reader accepts, saved again, reads back to the same fields.
#include "common/shift.h"
#include "readings/astrology/karfile.h"

#include <QBuffer>

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));

    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    const std::optional<Lumo::KarFields> fields = Lumo::readKarFile(buffer);
    // An accepted file always has a name, and it holds no control characters.
    if (fields && fields->name.isEmpty())
        __builtin_trap();

    buffer.seek(0);
    const Lumo::SavedReadingFile saved = Lumo::readSavedReading(buffer);
    if (saved.fields) {
        const Lumo::KarFields &first = *saved.fields;
        QBuffer again;
        again.setData(Lumo::encodeKarFile(first.name, first.day.toInt(), first.monthName,
                                          first.year.toInt()));
        again.open(QIODevice::ReadOnly);
        const Lumo::SavedReadingFile reread = Lumo::readSavedReading(again);
        if (!reread.fields || reread.fields->name != first.name ||
            reread.fields->day != first.day || reread.fields->monthName != first.monthName ||
            reread.fields->year != first.year)
            __builtin_trap();
    }

    const QString text = QString::fromLatin1(bytes);
    const QString decoded = Lumo::ShiftDecode(text);
    // Decoding drops nothing it can map back: encoding the result restores the kept codes.
    if (Lumo::ShiftEncode(decoded).size() != decoded.size())
        __builtin_trap();
    return 0;
}
