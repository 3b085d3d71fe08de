#include "nodereading.h"

#include "common/names.h"
#include "lunarnodes.h"
#include "nodetexts.h"

namespace Lumo {

NodeReadingData karmicAstrologyReading(const QString &name, int day, const QString &monthName,
                                       int year)
{
    NodeReadingData reading{name, qint16(year), monthName, qint16(day), {}, {}};
    reading.northSign = northNodeOn(QDate(year, monthNumber(monthName), day));
    if (const NodeSignTexts *texts = nodeSignTexts(reading.northSign))
        reading.southSign = texts->southSign;
    return reading;
}

} // namespace Lumo
