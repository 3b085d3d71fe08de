#include "filenames.h"

#include <QByteArrayView>
#include <QCoreApplication>
#include <QFile>
#include <QUrl>

namespace Lumo {

namespace {

[[maybe_unused]] constexpr char16_t FirstKeptByte = 0xDC80;
[[maybe_unused]] constexpr char16_t LastKeptByte = 0xDCFF;

// Length of the well-formed UTF-8 sequence that starts text, or 0 when there is none: a stray
// continuation byte, a cut sequence, an overlong form, a surrogate or a code above U+10FFFF.
[[maybe_unused]] qsizetype utf8SequenceLength(QByteArrayView text)
{
    const auto lead = uchar(text.front());
    if (lead < 0x80)
        return 1;
    qsizetype length = 0;
    char32_t code = 0;
    char32_t smallest = 0;
    if ((lead & 0xE0) == 0xC0) {
        length = 2, code = lead & 0x1F, smallest = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3, code = lead & 0x0F, smallest = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 4, code = lead & 0x07, smallest = 0x10000;
    } else {
        return 0;
    }
    if (text.size() < length)
        return 0;
    for (qsizetype i = 1; i < length; ++i) {
        const auto next = uchar(text[i]);
        if ((next & 0xC0) != 0x80)
            return 0;
        code = (code << 6) | (next & 0x3F);
    }
    const bool surrogate = code >= 0xD800 && code <= 0xDFFF;
    return code < smallest || code > 0x10FFFF || surrogate ? 0 : length;
}

} // namespace

QString fileNameFromNative(const QByteArray &bytes)
{
#ifdef Q_OS_UNIX
    QString name;
    QByteArrayView rest(bytes);
    while (!rest.isEmpty()) {
        qsizetype run = 0;
        while (run < rest.size()) {
            const qsizetype length = utf8SequenceLength(rest.sliced(run));
            if (length == 0)
                break;
            run += length;
        }
        name += QString::fromUtf8(rest.first(run));
        rest = rest.sliced(run);
        if (!rest.isEmpty()) {
            name += QChar(char16_t(FirstKeptByte + uchar(rest.front()) - 0x80));
            rest = rest.sliced(1);
        }
    }
    return name;
#else
    return QFile::decodeName(bytes);
#endif
}

QByteArray nativeFileName(const QString &fileName)
{
#ifdef Q_OS_UNIX
    QByteArray bytes;
    qsizetype textStart = 0;
    for (qsizetype i = 0; i < fileName.size(); ++i) {
        const char16_t unit = fileName[i].unicode();
        const bool pairsWithPrevious = i > 0 && fileName[i - 1].isHighSurrogate();
        if (unit < FirstKeptByte || unit > LastKeptByte || pairsWithPrevious)
            continue;
        bytes += QStringView(fileName).sliced(textStart, i - textStart).toUtf8();
        bytes += char(unit - FirstKeptByte + 0x80);
        textStart = i + 1;
    }
    bytes += QStringView(fileName).sliced(textStart).toUtf8();
    return bytes;
#else
    return QFile::encodeName(fileName);
#endif
}

QString fileNameForDisplay(const QString &fileName)
{
    QString shown = fileName;
    for (qsizetype i = 0; i < shown.size(); ++i) {
        const bool pairsWithPrevious = i > 0 && shown[i - 1].isHighSurrogate();
        if (shown[i].isLowSurrogate() && !pairsWithPrevious)
            shown[i] = QChar::ReplacementCharacter;
    }
    return shown;
}

// A file: address without a host, or with the host "localhost", names a file on this computer.
static bool namesThisComputer(const QUrl &url)
{
    return url.host().isEmpty() || url.host() == QLatin1String("localhost");
}

QString localFileFromUrl(const QUrl &url)
{
    if (!url.isLocalFile() || !namesThisComputer(url))
        return QString();
#ifdef Q_OS_UNIX
    const QByteArray encoded = url.path(QUrl::FullyEncoded).toUtf8();
    return fileNameFromNative(QByteArray::fromPercentEncoding(encoded));
#else
    QUrl local = url;
    local.setHost(QString());
    return local.toLocalFile();
#endif
}

QString remoteFileHost(const QString &fileOrAddress)
{
    // The program makes every path absolute, and an absolute path never starts so.
    if (!fileOrAddress.startsWith(QLatin1String("file:"), Qt::CaseInsensitive))
        return QString();
    const QUrl url(fileOrAddress);
    return url.isLocalFile() && !namesThisComputer(url) ? url.host() : QString();
}

QStringList programArguments(int argc, char **argv)
{
#ifdef Q_OS_UNIX
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(fileNameFromNative(QByteArray(argv[i])));
    return arguments;
#else
    Q_UNUSED(argc);
    Q_UNUSED(argv);
    return QCoreApplication::arguments();
#endif
}

} // namespace Lumo
