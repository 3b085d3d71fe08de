#pragma once

#include "readings/astrology/frmkarmicastrologydisplay.h"
#include "readings/astrology/frmkarmicastrologymain.h"
#include "readings/astrology/karfile.h"

#include <QFile>
#include <QLabel>
#include <QLineEdit>

namespace Lumo::Testing {

// The reading ANN, 5 May 1960 (North Node in Virgo) as Save writes it.
inline QByteArray annReading()
{
    return encodeKarFile(QStringLiteral("ANN"), 5, QStringLiteral("May"), 1960);
}

inline bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

// The Karmic Astrology reading on screen: "NAME: North Node sign" while its display form is
// visible, "NAME" while only the input form is loaded, empty when neither is.
inline QString shownReading()
{
    auto *input = loadedForm<frmKarmicAstrologyMain>();
    if (!input)
        return QString();
    auto *display = loadedForm<frmKarmicAstrologyDisplay>();
    if (!display || !display->isFormVisible())
        return control<QLineEdit>(input, "txtName")->text();
    return control<QLineEdit>(input, "txtName")->text() + QStringLiteral(": ") +
           control<QLabel>(display, "lblNorthSign")->text();
}

} // namespace Lumo::Testing
