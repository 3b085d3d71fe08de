#pragma once

#include "nodetexts.h"

#include <QString>
#include <QtGlobal>

#include <optional>

namespace Lumo {

// A Karmic Astrology reading: shown on the display form, composed into the report and saved to
// ".kar" files.
struct NodeReadingData
{
    QString name;
    qint16 year = 0;
    QString monthName;
    qint16 day = 0;
    // The North Node's sign with the South Node's and what the reading says of both; nothing for
    // a date that is not a calendar date from 1900 to 2100.
    std::optional<NodeSignTexts> nodes;

    // The nodes' signs as the reading shows them: "Aquarious" for a North Node in Aquarius, the
    // plain sign name for the South Node. Empty without a sign.
    QString northSign() const;
    QString southSign() const;
};

// The reading for a name and a date of birth (day 1 to 31, a month name, a year): the North Node
// sign of that date, its opposite, and their texts, looked up here once.
NodeReadingData karmicAstrologyReading(const QString &name, int day, const QString &monthName,
                                       int year);

} // namespace Lumo
