#include "karfile.h"

#include "common/names.h"
#include "common/shift.h"

#include <QByteArrayView>
#include <QStringList>

#include <algorithm>

namespace Lumo {

namespace {

constexpr int KarFieldCount = 4;

// A field longer than MaxLineBytes is cut there, and the rest of its line is skipped. No more
// than MaxFileBytes are read at all, so a wrong file cannot hang the program or fill memory: a
// line that runs past that budget simply ends it, and the lines after it are missing.
constexpr qsizetype MaxLineBytes = 4096;
constexpr qsizetype MaxFileBytes = 64 * 1024;

QByteArray encodedLine(const QString &text)
{
    return (ShiftEncode(text) + CrLf).toLatin1();
}

QByteArray readAtMost(QIODevice &device, qsizetype maxBytes)
{
    QByteArray data;
    if (!device.isReadable())
        return data;
    while (data.size() < maxBytes) {
        const QByteArray chunk = device.read(maxBytes - data.size());
        if (chunk.isEmpty())
            break;
        data.append(chunk);
    }
    return data;
}

qsizetype lineEndPosition(QByteArrayView text)
{
    const auto end =
        std::find_if(text.begin(), text.end(), [](char c) { return c == '\r' || c == '\n'; });
    return end - text.begin();
}

// Length of the line end at position: 2 for CR LF, 1 for a lone CR or LF, 0 at the end of text.
qsizetype lineEndLength(QByteArrayView text, qsizetype position)
{
    if (position >= text.size())
        return 0;
    const bool crLf =
        text[position] == '\r' && position + 1 < text.size() && text[position + 1] == '\n';
    return crLf ? 2 : 1;
}

// Up to maxLines decoded lines; fewer when the text ends first.
QStringList decodedLines(QByteArrayView text, int maxLines)
{
    QStringList lines;
    while (lines.size() < maxLines && !text.isEmpty()) {
        const qsizetype end = lineEndPosition(text);
        const QByteArrayView line = text.first(std::min(end, MaxLineBytes));
        lines.append(ShiftDecode(QString::fromLatin1(line)));
        text = text.sliced(end + lineEndLength(text, end));
    }
    return lines;
}

} // namespace

QByteArray encodeKarFile(const QString &name, int day, const QString &monthName, int year)
{
    return encodedLine(name) + encodedLine(QString::number(day)) + encodedLine(monthName) +
           encodedLine(QString::number(year));
}

std::optional<KarFields> readKarFile(QIODevice &device)
{
    // Only the first four lines are fields; a fifth line and anything after it are ignored.
    const QByteArray head = readAtMost(device, MaxFileBytes);
    const QStringList lines = decodedLines(head, KarFieldCount);
    if (lines.size() < KarFieldCount)
        return std::nullopt;
    const QString &name = lines[0];
    const bool hasControl = std::any_of(
        name.begin(), name.end(), [](QChar c) { return c.category() == QChar::Other_Control; });
    if (name.isEmpty() || hasControl)
        return std::nullopt;
    return KarFields{name, lines[1], lines[2], lines[3]};
}

bool isKarFileName(const QString &fileName)
{
    return fileName.endsWith(QLatin1StringView("kar"), Qt::CaseSensitive);
}

} // namespace Lumo
