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

QString signName(Zodiac::Sign sign)
{
    return signNames().at(sign);
}

std::optional<Zodiac::Sign> signNamed(const QString &name)
{
    const qsizetype index = signNames().indexOf(name);
    if (index < 0)
        return std::nullopt;
    return Zodiac::Sign(index);
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
