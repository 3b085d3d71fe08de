#pragma once

#include <QString>
#include <QtGlobal>

namespace Lumo {

// The last Karmic Astrology reading: written by each successful reading, read by the report
// window and saved to ".kar" files.
struct NodeReadingData
{
    QString name;
    qint16 year = 0;
    QString monthName;
    qint16 day = 0;
    QString northSign;
    QString southSign;
};

// The one reading state of the program run; all fields are empty or zero at start.
NodeReadingData &NodeReading();

} // namespace Lumo
