#include "karfile.h"

#include "common/birthyears.h"
#include "common/filenames.h"
#include "common/names.h"
#include "common/shift.h"

#include <QByteArrayView>
#include <QDate>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringList>

#include <algorithm>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace Lumo {

namespace {

constexpr int KarFieldCount = 4;

// A field longer than MaxLineBytes is cut there, and the rest of its line is skipped. No more
// than MaxFileBytes are read at all, so a wrong file cannot hang the program or fill memory: a
// line that runs past that budget simply ends it, and the lines after it are missing. The longest
// name the name box takes (a QLineEdit's 32767 characters) still fits a line, so every name the
// program saves reads back whole.
constexpr qsizetype MaxLineBytes = 32767;
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

const QString NotASavedReading = QStringLiteral("It is not a saved reading.");
const QString NotARegularFile = QStringLiteral("It is not a regular file.");

QString cannotRead(const QString &error)
{
    return QStringLiteral("It could not be read: %1.").arg(error);
}

// Opens a regular file for reading. On Unix the open itself cannot block (O_NONBLOCK) and the
// type is checked again on the open handle, so a file swapped for a FIFO or a device after the
// first look is still refused. Gives the refusal, or an empty text when the file is open.
QString openRegularFile(QFile &file)
{
#ifdef Q_OS_UNIX
    // The name's bytes as the system gave them, also where they are not UTF-8.
    const QByteArray nativePath = nativeFileName(file.fileName());
    struct stat status = {};
    if (::stat(nativePath.constData(), &status) == 0 && !S_ISREG(status.st_mode))
        return NotARegularFile;
    const int fd = ::open(nativePath.constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd < 0)
        return cannotRead(qt_error_string(errno));
    if (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode)) {
        ::close(fd);
        return NotARegularFile;
    }
    if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return cannotRead(file.errorString());
    }
#else
    const QFileInfo info(file.fileName());
    if (info.exists() && !info.isFile())
        return NotARegularFile;
    if (!file.open(QIODevice::ReadOnly))
        return cannotRead(file.errorString());
#endif
    return {};
}

bool isListedDay(const QString &day)
{
    const int number = day.toInt();
    return number >= 1 && number <= 31 && day == QString::number(number);
}

bool isListedYear(const QString &year)
{
    const int number = year.toInt();
    return number >= FirstBirthYear && number <= LastBirthYear && year == QString::number(number);
}

// Why the date of birth cannot be shown, or an empty text: the day, month name and year must be
// as the input form's lists hold them, and a real calendar date.
QString birthDateRefusal(const KarFields &fields)
{
    const int month = monthNumber(fields.monthName);
    if (!isListedDay(fields.day) || month == 0 || !isListedYear(fields.year))
        return QStringLiteral("Its date of birth is outside the lists.");
    if (!QDate::isValid(fields.year.toInt(), month, fields.day.toInt()))
        return QStringLiteral("Its date of birth is not a calendar date.");
    return {};
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
    if (name.trimmed().isEmpty() || hasControl)
        return std::nullopt;
    return KarFields{name, lines[1], lines[2], lines[3]};
}

SavedReadingFile readSavedReading(const QString &filePath)
{
    if (const QString host = remoteFileHost(filePath); !host.isEmpty())
        return {.fields = std::nullopt,
                .refusal = QStringLiteral("It is on another computer: %1.").arg(host)};
    if (!isKarFileName(filePath))
        return {.fields = std::nullopt, .refusal = NotASavedReading};
    QFile file(filePath);
    if (QString refusal = openRegularFile(file); !refusal.isEmpty())
        return {.fields = std::nullopt, .refusal = refusal};
    return readSavedReading(file);
}

SavedReadingFile readSavedReading(QIODevice &device)
{
    std::optional<KarFields> fields = readKarFile(device);
    if (!fields)
        return {.fields = std::nullopt, .refusal = NotASavedReading};
    if (QString refusal = birthDateRefusal(*fields); !refusal.isEmpty())
        return {.fields = std::nullopt, .refusal = refusal};
    return {.fields = std::move(fields), .refusal = {}};
}

QString savedReadingRefusalMessage(const QString &filePath, const QString &refusal)
{
    // An address is shown as it was given; a path as the system writes it.
    const QString shown = remoteFileHost(filePath).isEmpty()
                              ? QDir::toNativeSeparators(fileNameForDisplay(filePath))
                              : filePath;
    return QStringLiteral("Please Check The File.\n%1: %2").arg(shown, refusal);
}

bool isKarFileName(const QString &fileName)
{
    return fileName.endsWith(QLatin1StringView("kar"), Qt::CaseSensitive);
}

} // namespace Lumo
