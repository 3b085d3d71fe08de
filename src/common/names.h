#pragma once

#include <QString>
#include <QStringList>

#include <optional>

namespace Lumo {

// The program's name as the user sees it in captions and message boxes, with the version of the
// build: "Lumo Tessaray v1.20".
extern const QString AppTitle;

// The line break of every text the program builds and every file it writes.
inline const QString CrLf = QStringLiteral("\r\n");

// Signs and months as numbers, for tables of dates: Zodiac::Leo indexes signNames(),
// Calendar::Mar is month 3.
namespace Zodiac {
enum Sign {
    Aries,
    Taurus,
    Gemini,
    Cancer,
    Leo,
    Virgo,
    Libra,
    Scorpio,
    Sagittarius,
    Capricorn,
    Aquarius,
    Pisces
};
} // namespace Zodiac

namespace Calendar {
enum Month { Jan = 1, Feb, Mar, Apr, May, Jun, Jul, Aug, Sep, Oct, Nov, Dec };
} // namespace Calendar

// The twelve sign names in zodiac order, Aries first.
const QStringList &signNames();

// The name of a sign: "Aries" for Zodiac::Aries.
QString signName(Zodiac::Sign sign);

// The sign of an exact, case-sensitive sign name; nothing for any other text.
std::optional<Zodiac::Sign> signNamed(const QString &name);

// "January" to "December"; position 0 is January.
const QStringList &monthNames();

// 1-based month number of an exact, case-sensitive month name; 0 for any other text.
int monthNumber(const QString &monthName);

} // namespace Lumo
