#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

class QUrl;

namespace Lumo {

// File names as the system gives them, kept whole in a QString. On Unix a file name is a string
// of bytes that need not be UTF-8, which QFile::decodeName turns into U+FFFD and so loses. Here
// each byte that is not part of valid UTF-8 is kept as the lone surrogate U+DC80 + (byte - 0x80),
// and nativeFileName gives the same bytes back. Elsewhere these are QFile's decodeName and
// encodeName.
QString fileNameFromNative(const QByteArray &bytes);
QByteArray nativeFileName(const QString &fileName);

// The file name as the user should see it: kept bytes show as U+FFFD.
QString fileNameForDisplay(const QString &fileName);

// The local file of a file: address, file:///path or file://localhost/path, with percent-encoded
// bytes kept as fileNameFromNative keeps them. An empty text for a file: address with any other
// host, which names a file on another computer, and for every other kind of address.
QString localFileFromUrl(const QUrl &url);

// The host of a file: address that names a file on another computer (file://host/path), or an
// empty text for anything else: a path, a local file: address, another kind of address.
QString remoteFileHost(const QString &fileOrAddress);

// The program's arguments from main's argc and argv (after QApplication took its own options):
// on Unix decoded with fileNameFromNative; elsewhere QCoreApplication::arguments().
QStringList programArguments(int argc, char **argv);

} // namespace Lumo
