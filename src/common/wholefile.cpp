#include "wholefile.h"

#include <QSaveFile>

namespace Lumo {

// The file is written unbuffered, so a full disk shows in write() itself; a buffered write would
// only fail in commit(). A write cut short (a disk with less room than the bytes) sets no error:
// writing the rest again makes the system say why.
QString writeWholeFile(const QString &fileName, const QByteArray &bytes)
{
    QSaveFile file(fileName);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return file.errorString();
    qint64 written = 0;
    while (written < bytes.size()) {
        const qint64 count = file.write(bytes.constData() + written, bytes.size() - written);
        if (count <= 0)
            break;
        written += count;
    }
    if (written == bytes.size() && file.commit())
        return QString();
    if (file.error() == QFileDevice::NoError)
        return QStringLiteral("The file was cut short.");
    return file.errorString();
}

} // namespace Lumo
