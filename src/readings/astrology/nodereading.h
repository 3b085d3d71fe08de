#pragma once

#include <QString>
#include <QtGlobal>

namespace Lumo {

// A Karmic Astrology reading: shown on the display form, composed into the report and saved to
// ".kar" files.
struct NodeReadingData
{
    QString name;
    qint16 year = 0;
    QString monthName;
    qint16 day = 0;
    QString northSign;
    QString southSign;
};

// The reading for a name and a date of birth (day 1 to 31, a month name, a year): the North Node
// sign of that date and its opposite. Both signs are empty for a date that is not a calendar
// date from 1900 to 2100.
NodeReadingData karmicAstrologyReading(const QString &name, int day, const QString &monthName,
                                       int year);

} // namespace Lumo
