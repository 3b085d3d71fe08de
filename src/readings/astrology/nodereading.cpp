#include "nodereading.h"

#include "lunarnodes.h"

namespace Lumo {

QString NodeReadingData::northSign() const
{
    return nodes ? northNodeName(nodes->north) : QString();
}

QString NodeReadingData::southSign() const
{
    return nodes ? signName(nodes->south) : QString();
}

NodeReadingData karmicAstrologyReading(const QString &name, int day, const QString &monthName,
                                       int year)
{
    NodeReadingData reading{name, qint16(year), monthName, qint16(day), std::nullopt};
    if (const std::optional<Zodiac::Sign> north =
            northNodeSign(QDate(year, monthNumber(monthName), day)))
        reading.nodes = nodeSignTexts(*north);
    return reading;
}

} // namespace Lumo
