#include "modzodiacspiritualsign.h"

#include "common/names.h"
#include "common/signchanges.h"

#include <algorithm>
#include <array>
#include <compare>

namespace Lumo {

namespace {

using namespace Zodiac;
using namespace Calendar;

// A day as year, month and day, compared in that order. The day is the number as typed, so it
// may lie past the month's end; it is not a calendar date.
struct Day
{
    int year;
    int month;
    int day;

    auto operator<=>(const Day &) const = default;
};

struct NeptuneRow
{
    Day first;
    Day last;
    Sign sign;
};

constexpr int FirstYear = 1900;
constexpr int LastYear = 2024;

// clang-format off
constexpr std::array<NeptuneRow, 32> neptuneRows{{
    {{1900, Jan, 1}, {1901, Jul, 19}, Gemini},
    {{1901, Jul, 20}, {1901, Dec, 25}, Cancer},
    {{1901, Dec, 26}, {1902, May, 21}, Gemini},
    {{1902, May, 22}, {1914, Sep, 23}, Cancer},
    {{1914, Sep, 24}, {1914, Dec, 14}, Leo},
    {{1914, Dec, 15}, {1915, Jul, 19}, Cancer},
    {{1915, Jul, 20}, {1916, Mar, 19}, Leo},
    {{1916, Mar, 20}, {1916, May, 2}, Cancer},
    {{1916, May, 3}, {1928, Sep, 21}, Leo},
    {{1928, Sep, 22}, {1929, Feb, 19}, Virgo},
    {{1929, Feb, 20}, {1929, Jul, 24}, Leo},
    {{1929, Jul, 25}, {1942, Oct, 3}, Virgo},
    {{1942, Oct, 4}, {1943, Apr, 17}, Libra},
    {{1943, Apr, 18}, {1943, Aug, 2}, Virgo},
    {{1943, Aug, 3}, {1955, Dec, 24}, Libra},
    {{1955, Dec, 25}, {1956, Mar, 12}, Scorpio},
    {{1956, Mar, 13}, {1956, Oct, 19}, Libra},
    {{1956, Oct, 20}, {1957, Jun, 15}, Scorpio},
    {{1957, Jun, 16}, {1957, Aug, 6}, Libra},
    {{1957, Aug, 7}, {1970, Jan, 4}, Scorpio},
    {{1970, Jan, 5}, {1970, May, 3}, Sagittarius},
    {{1970, May, 4}, {1970, Nov, 6}, Scorpio},
    {{1970, Nov, 7}, {1984, Jan, 19}, Sagittarius},
    {{1984, Jan, 20}, {1984, Jun, 23}, Capricorn},
    {{1984, Jun, 24}, {1984, Nov, 21}, Sagittarius},
    {{1984, Nov, 22}, {1998, Jan, 29}, Capricorn},
    {{1998, Jan, 30}, {1998, Aug, 23}, Aquarius},
    {{1998, Aug, 24}, {1998, Nov, 27}, Capricorn},
    {{1998, Nov, 28}, {2011, Apr, 4}, Aquarius},
    {{2011, Apr, 5}, {2011, Aug, 5}, Pisces},
    {{2011, Aug, 6}, {2012, Feb, 3}, Aquarius},
    {{2012, Feb, 4}, {2024, Dec, 31}, Pisces},
}};
// clang-format on

QString signName(Sign sign)
{
    return signNames().at(sign);
}

bool isChangeYear(int year)
{
    return std::any_of(neptuneRows.begin() + 1, neptuneRows.end(),
                       [year](const NeptuneRow &row) { return row.first.year == year; });
}

// No change falls on the 1st of a month, so comparing the typed day with each row's first day
// splits a month with a change exactly at its threshold, whatever number the day is.
QString signOn(const Day &day)
{
    Sign sign = neptuneRows.front().sign;
    for (const NeptuneRow &row : neptuneRows) {
        if (day < row.first)
            break;
        sign = row.sign;
    }
    return signName(sign);
}

// Neptune's sign at 00:00 UT on the days outside the table.
constexpr SignChange computedNeptuneChanges[] = {
#include "computedneptune.inc"
};

} // namespace

std::optional<QString> neptuneSignOn(const QString &yearText, const QString &monthText,
                                     const QString &dayText)
{
    // A year text that is no number reads as 0, which lies outside the table.
    const int year = yearText.toInt();
    if (year < FirstYear || year > LastYear)
        return std::nullopt;
    if (!isChangeYear(year))
        return signOn({year, Jan, 1});
    const int month = monthNumber(monthText);
    if (month == 0)
        return std::nullopt;
    // A day text that is no number reads as 0, before every change of the month.
    return signOn({year, month, dayText.toInt()});
}

std::optional<QString> neptuneSignOn(const QDate &date)
{
    if (date.isValid() && date >= QDate(FirstYear, Jan, 1) && date <= QDate(LastYear, Dec, 31))
        return neptuneSignOn(QString::number(date.year()), monthNames().at(date.month() - 1),
                             QString::number(date.day()));
    const std::optional<Sign> computed = computedSignOn(computedNeptuneChanges, date);
    if (!computed)
        return std::nullopt;
    return signName(*computed);
}

} // namespace Lumo
