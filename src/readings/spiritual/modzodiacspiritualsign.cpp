#include "modzodiacspiritualsign.h"

#include "common/names.h"
#include "common/signchanges.h"

#include <algorithm>
#include <iterator>

namespace Lumo {

namespace {

using namespace Zodiac;
using namespace Calendar;

constexpr int FirstYear = 1900;
constexpr int LastYear = 2024;

// Each change of Neptune's sign from 1900 to 2024, in date order: Neptune enters the sign on that
// day and stays there until the next change.
// clang-format off
constexpr SignChange NeptuneTable[] = {
    {1900, Jan, 1,  Gemini},
    {1901, Jul, 20, Cancer},
    {1901, Dec, 26, Gemini},
    {1902, May, 22, Cancer},
    {1914, Sep, 24, Leo},
    {1914, Dec, 15, Cancer},
    {1915, Jul, 20, Leo},
    {1916, Mar, 20, Cancer},
    {1916, May, 3,  Leo},
    {1928, Sep, 22, Virgo},
    {1929, Feb, 20, Leo},
    {1929, Jul, 25, Virgo},
    {1942, Oct, 4,  Libra},
    {1943, Apr, 18, Virgo},
    {1943, Aug, 3,  Libra},
    {1955, Dec, 25, Scorpio},
    {1956, Mar, 13, Libra},
    {1956, Oct, 20, Scorpio},
    {1957, Jun, 16, Libra},
    {1957, Aug, 7,  Scorpio},
    {1970, Jan, 5,  Sagittarius},
    {1970, May, 4,  Scorpio},
    {1970, Nov, 7,  Sagittarius},
    {1984, Jan, 20, Capricorn},
    {1984, Jun, 24, Sagittarius},
    {1984, Nov, 22, Capricorn},
    {1998, Jan, 30, Aquarius},
    {1998, Aug, 24, Capricorn},
    {1998, Nov, 28, Aquarius},
    {2011, Apr, 5,  Pisces},
    {2011, Aug, 6,  Aquarius},
    {2012, Feb, 4,  Pisces},
};
// clang-format on

bool isChangeYear(int year)
{
    return std::any_of(std::begin(NeptuneTable) + 1, std::end(NeptuneTable),
                       [year](const SignChange &row) { return row.year == year; });
}

// Neptune's sign at 00:00 UT on the days outside the table.
constexpr SignChange computedNeptuneChanges[] = {
#include "computedneptune.inc"
};

static_assert(isInDateOrder(NeptuneTable));
static_assert(isInDateOrder(computedNeptuneChanges));

constexpr SignTables NeptuneTables{NeptuneTable, {LastYear, Dec, 31}, computedNeptuneChanges};

} // namespace

std::optional<Zodiac::Sign> neptuneSign(const QDate &date)
{
    return signOn(NeptuneTables, date);
}

std::optional<QString> neptuneSignOn(const QString &yearText, const QString &monthText,
                                     const QString &dayText)
{
    // A year text that is no number reads as 0, which lies outside the table.
    const int year = yearText.toInt();
    if (year < FirstYear || year > LastYear)
        return std::nullopt;
    if (!isChangeYear(year))
        return signName(*signOn(NeptuneTable, DayNumbers{year, Jan, 1}));
    const int month = monthNumber(monthText);
    if (month == 0)
        return std::nullopt;
    // No change falls on the 1st of a month, so comparing the typed day with each row's first
    // day splits a month with a change exactly at its threshold, whatever number the day is. A
    // day text that is no number reads as 0, before every change of the month.
    return signName(*signOn(NeptuneTable, DayNumbers{year, month, dayText.toInt()}));
}

std::optional<QString> neptuneSignOn(const QDate &date)
{
    const std::optional<Sign> sign = neptuneSign(date);
    if (!sign)
        return std::nullopt;
    return signName(*sign);
}

} // namespace Lumo
