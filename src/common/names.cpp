#include "names.h"

#include "common/buildconfig.h"

namespace Lumo {

const QString AppTitle = QStringLiteral("Lumo Tessaray v" LUMO_PROGRAM_VERSION);

const QStringList &signNames()
{
    static const QStringList names{
        QStringLiteral("Aries"),     QStringLiteral("Taurus"),   QStringLiteral("Gemini"),
        QStringLiteral("Cancer"),    QStringLiteral("Leo"),      QStringLiteral("Virgo"),
        QStringLiteral("Libra"),     QStringLiteral("Scorpio"),  QStringLiteral("Sagittarius"),
        QStringLiteral("Capricorn"), QStringLiteral("Aquarius"), QStringLiteral("Pisces")};
    return names;
}

const QStringList &monthNames()
{
    static const QStringList names{
        QStringLiteral("January"), QStringLiteral("February"), QStringLiteral("March"),
        QStringLiteral("April"),   QStringLiteral("May"),      QStringLiteral("June"),
        QStringLiteral("July"),    QStringLiteral("August"),   QStringLiteral("September"),
        QStringLiteral("October"), QStringLiteral("November"), QStringLiteral("December")};
    return names;
}

int monthNumber(const QString &monthName)
{
    return int(monthNames().indexOf(monthName)) + 1;
}

} // namespace Lumo
