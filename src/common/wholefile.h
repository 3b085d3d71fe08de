#pragma once

#include <QByteArray>
#include <QString>

namespace Lumo {

// Writes the bytes to the file whole or not at all: when writing fails, no part of the new file
// is left behind and an earlier file of that name stays as it was. Gives an empty text on
// success, otherwise why the file could not be written, in the system's words ("No space left on
// device").
QString writeWholeFile(const QString &fileName, const QByteArray &bytes);

} // namespace Lumo
