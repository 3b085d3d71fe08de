#include "modzodiacsoulmatesign.h"

#include "common/names.h"
#include "common/signchanges.h"

#include <compare>
#include <vector>

namespace Lumo {

namespace {

using namespace Zodiac;
using namespace Calendar;

// Juno enters sign on day/month and stays there until the next change.
struct JunoChange
{
    int day;
    Month month;
    Sign sign;
};

struct JunoYear
{
    int year;
    Sign onFirstJanuary;
    std::vector<JunoChange> changes; // in date order
};

constexpr int FirstYear = 1930;
constexpr int LastYear = 2012;

// One line per year: the sign on 1 January, then each change of the year. The sign on
// 1 January always continues the previous year's last sign.
const std::vector<JunoYear> &junoYears()
{
    // clang-format off
    static const std::vector<JunoYear> years{
        {1930, Sagittarius, {{7, Jan, Capricorn}, {13, Apr, Aquarius}, {19, Jul, Capricorn}, {9, Nov, Aquarius}}},
        {1931, Aquarius, {{23, Jan, Pisces}, {24, Mar, Aries}, {19, May, Taurus}, {12, Jul, Gemini}, {7, Sep, Cancer}}},
        {1932, Cancer, {{8, May, Leo}, {24, Jul, Virgo}, {6, Oct, Libra}}},
        {1933, Libra, {{6, Jan, Scorpio}, {10, Apr, Libra}, {30, Aug, Scorpio}, {26, Nov, Sagittarius}}},
        {1934, Sagittarius, {{2, Mar, Capricorn}, {25, Jun, Sagittarius}, {12, Oct, Capricorn}}},
        {1935, Capricorn, {{6, Jan, Aquarius}, {16, Mar, Pisces}, {24, May, Aries}, {23, Aug, Taurus}, {4, Oct, Aries}}},
        {1936, Aries, {{16, Jan, Taurus}, {21, Mar, Gemini}, {16, May, Cancer}, {12, Jul, Leo}, {13, Sep, Virgo}, {28, Nov, Libra}}},
        {1937, Libra, {{6, Apr, Virgo}, {30, Jun, Libra}, {11, Oct, Scorpio}}},
        {1938, Scorpio, {{10, Jan, Sagittarius}, {7, Jul, Scorpio}, {15, Aug, Sagittarius}, {5, Dec, Capricorn}}},
        {1939, Capricorn, {{22, Feb, Aquarius}, {28, May, Pisces}, {13, Aug, Aquarius}, {4, Dec, Pisces}}},
        {1940, Pisces, {{9, Feb, Aries}, {3, Apr, Taurus}, {23, May, Gemini}, {14, Jul, Cancer}, {7, Sep, Leo}, {17, Nov, Virgo}}},
        {1941, Virgo, {{17, Feb, Leo}, {31, May, Virgo}, {31, Aug, Libra}, {23, Nov, Scorpio}}},
        {1942, Scorpio, {{24, Oct, Sagittarius}}},
        {1943, Sagittarius, {{18, Jan, Capricorn}, {26, Nov, Aquarius}}},
        {1944, Aquarius, {{5, Feb, Pisces}, {5, Apr, Aries}, {1, Jun, Taurus}, {28, Jul, Gemini}, {4, Oct, Cancer}, {31, Dec, Gemini}}},
        {1945, Gemini, {{4, Mar, Cancer}, {27, May, Leo}, {5, Aug, Virgo}, {17, Oct, Libra}}},
        {1946, Libra, {{5, Feb, Scorpio}, {2, Mar, Libra}, {5, Sep, Scorpio}, {6, Dec, Sagittarius}}},
        {1947, Sagittarius, {{26, Mar, Capricorn}, {21, May, Sagittarius}, {29, Oct, Capricorn}}},
        {1948, Capricorn, {{18, Jan, Aquarius}, {29, Mar, Pisces}, {14, Jun, Aries}}},
        {1949, Aries, {{12, Feb, Taurus}, {8, Apr, Gemini}, {31, May, Cancer}, {26, Jul, Leo}, {25, Sep, Virgo}, {19, Dec, Libra}}},
        {1950, Libra, {{2, Mar, Virgo}, {20, Jul, Libra}, {21, Oct, Scorpio}}},
        {1951, Scorpio, {{23, Jan, Sagittarius}, {2, Jun, Scorpio}, {11, Sep, Sagittarius}, {16, Dec, Capricorn}}},
        {1952, Capricorn, {{7, Mar, Aquarius}, {23, Dec, Pisces}}},
        {1953, Pisces, {{23, Feb, Aries}, {17, Apr, Taurus}, {7, Jun, Gemini}, {29, Jul, Cancer}, {23, Sep, Leo}}},
        {1954, Leo, {{20, Jun, Virgo}, {11, Sep, Libra}, {3, Dec, Scorpio}}},
        {1955, Scorpio, {{2, Nov, Sagittarius}}},
        {1956, Sagittarius, {{29, Jan, Capricorn}, {9, Dec, Aquarius}}},
        {1957, Aquarius, {{16, Feb, Pisces}, {18, Apr, Aries}, {17, Jun, Taurus}, {19, Aug, Gemini}}},
        {1958, Gemini, {{4, Apr, Cancer}, {10, Jun, Leo}, {16, Aug, Virgo}, {27, Oct, Libra}}},
        {1959, Libra, {{15, Sep, Scorpio}, {14, Dec, Sagittarius}}},
        {1960, Sagittarius, {{8, Nov, Capricorn}}},
        {1961, Capricorn, {{26, Jan, Aquarius}, {11, Apr, Pisces}, {29, Dec, Aries}}},
        {1962, Aries, {{1, Mar, Taurus}, {23, Apr, Gemini}, {14, Jun, Cancer}, {8, Aug, Leo}, {9, Oct, Virgo}}},
        {1963, Virgo, {{3, Aug, Libra}, {30, Oct, Scorpio}}},
        {1964, Scorpio, {{7, Feb, Sagittarius}, {7, May, Scorpio}, {24, Sep, Sagittarius}, {24, Dec, Capricorn}}},
        {1965, Capricorn, {{20, Mar, Aquarius}}},
        {1966, Aquarius, {{7, Jan, Pisces}, {8, Mar, Aries}, {1, May, Taurus}, {22, Jun, Gemini}, {14, Aug, Cancer}, {15, Oct, Leo}}},
        {1967, Leo, {{6, Jul, Virgo}, {22, Sep, Libra}, {16, Dec, Scorpio}}},
        {1968, Scorpio, {{23, May, Libra}, {24, Jul, Scorpio}, {11, Nov, Sagittarius}}},
        {1969, Sagittarius, {{9, Feb, Capricorn}, {21, Dec, Aquarius}}},
        {1970, Aquarius, {{28, Feb, Pisces}, {3, May, Aries}, {7, Jul, Taurus}}},
        {1971, Taurus, {{20, Feb, Gemini}, {26, Apr, Cancer}, {25, Jun, Leo}, {28, Aug, Virgo}, {9, Nov, Libra}}},
        {1972, Libra, {{25, Sep, Scorpio}, {24, Dec, Sagittarius}}},
        {1973, Sagittarius, {{20, Nov, Capricorn}}},
        {1974, Capricorn, {{6, Feb, Aquarius}, {26, Apr, Pisces}}},
        {1975, Pisces, {{18, Jan, Aries}, {16, Mar, Taurus}, {6, May, Gemini}, {27, Jun, Cancer}, {20, Aug, Leo}, {23, Oct, Virgo}}},
        {1976, Virgo, {{15, Aug, Libra}, {8, Nov, Scorpio}}},
        {1977, Scorpio, {{15, Mar, Sagittarius}, {23, Mar, Scorpio}, {7, Oct, Sagittarius}}},
        {1978, Sagittarius, {{3, Jan, Capricorn}, {5, Apr, Aquarius}, {1, Aug, Capricorn}, {2, Nov, Aquarius}}},
        {1979, Aquarius, {{19, Jan, Pisces}, {20, Mar, Aries}, {15, May, Taurus}, {7, Jul, Gemini}, {1, Sep, Cancer}}},
        {1980, Cancer, {{2, May, Leo}, {19, Jul, Virgo}, {2, Oct, Libra}, {30, Dec, Scorpio}}},
        {1981, Scorpio, {{20, Apr, Libra}, {16, Aug, Scorpio}, {22, Nov, Sagittarius}}},
        {1982, Sagittarius, {{24, Feb, Capricorn}, {5, Jul, Sagittarius}, {6, Oct, Capricorn}}},
        {1983, Capricorn, {{3, Jan, Aquarius}, {13, Mar, Pisces}, {20, May, Aries}, {9, Aug, Taurus}, {26, Oct, Aries}}},
        {1984, Aries, {{7, Jan, Taurus}, {16, Mar, Gemini}, {12, May, Cancer}, {9, Jul, Leo}, {9, Sep, Virgo}, {22, Nov, Libra}}},
        {1985, Libra, {{19, Apr, Virgo}, {20, Jun, Libra}, {7, Oct, Scorpio}}},
        {1986, Scorpio, {{5, Jan, Sagittarius}, {2, Dec, Capricorn}}},
        {1987, Capricorn, {{19, Feb, Aquarius}, {20, May, Pisces}, {25, Aug, Aquarius}, {27, Nov, Pisces}}},
        {1988, Pisces, {{5, Feb, Aries}, {30, Mar, Taurus}, {20, May, Gemini}, {2, Sep, Leo}, {9, Nov, Virgo}}},
        {1989, Virgo, {{4, Mar, Leo}, {21, May, Virgo}, {27, Aug, Libra}, {18, Nov, Scorpio}}},
        {1990, Scorpio, {{19, Oct, Sagittarius}}},
        {1991, Sagittarius, {{14, Jan, Capricorn}, {5, May, Aquarius}, {17, Jun, Capricorn}, {21, Nov, Aquarius}}},
        {1992, Aquarius, {{1, Feb, Pisces}, {1, Apr, Aries}, {28, May, Taurus}, {22, Jul, Gemini}, {24, Sep, Cancer}}},
        {1993, Cancer, {{21, May, Leo}, {31, Jul, Virgo}, {12, Oct, Libra}}},
        {1994, Libra, {{19, Jan, Scorpio}, {23, Mar, Libra}, {30, Aug, Scorpio}, {1, Dec, Sagittarius}}},
        {1995, Sagittarius, {{14, Mar, Capricorn}, {5, Jun, Sagittarius}, {23, Oct, Capricorn}}},
        {1996, Capricorn, {{14, Jan, Aquarius}, {25, Mar, Pisces}, {7, Jun, Aries}}},
        {1997, Aries, {{7, Feb, Taurus}, {4, Apr, Gemini}, {27, May, Cancer}, {22, Jul, Leo}, {21, Sep, Virgo}, {10, Dec, Libra}}},
        {1998, Libra, {{14, Mar, Virgo}, {13, Jul, Libra}, {16, Oct, Scorpio}}},
        {1999, Scorpio, {{16, Jan, Sagittarius}, {15, Jun, Scorpio}, {1, Sep, Sagittarius}, {12, Dec, Capricorn}}},
        {2000, Capricorn, {{2, Mar, Aquarius}, {18, Dec, Pisces}}},
        {2001, Pisces, {{20, Feb, Aries}, {14, Apr, Taurus}, {4, Jun, Gemini}, {25, Jul, Cancer}, {19, Sep, Leo}}},
        {2002, Leo, {{15, Jun, Virgo}, {7, Sep, Libra}, {30, Nov, Scorpio}}},
        {2003, Scorpio, {{29, Oct, Sagittarius}}},
        {2004, Sagittarius, {{24, Jan, Capricorn}, {5, Dec, Aquarius}}},
        {2005, Aquarius, {{13, Feb, Pisces}, {15, Apr, Aries}, {13, Jun, Taurus}, {13, Aug, Gemini}}},
        {2006, Gemini, {{30, Mar, Cancer}, {7, Jun, Leo}, {13, Aug, Virgo}, {24, Oct, Libra}}},
        {2007, Libra, {{10, Sep, Scorpio}, {10, Dec, Sagittarius}}},
        {2008, Sagittarius, {{3, Nov, Capricorn}}},
        {2009, Capricorn, {{23, Jan, Aquarius}, {6, Apr, Pisces}, {4, Jul, Aries}, {16, Sep, Pisces}, {21, Dec, Aries}}},
        {2010, Aries, {{24, Feb, Taurus}, {19, Apr, Gemini}, {10, Jun, Cancer}, {3, Aug, Leo}, {4, Oct, Virgo}}},
        {2011, Virgo, {{30, Jul, Libra}, {27, Oct, Scorpio}}},
        {2012, Scorpio, {{30, Jan, Sagittarius}, {18, May, Scorpio}, {18, Sep, Sagittarius}, {20, Dec, Capricorn}}},
    };
    // clang-format on
    return years;
}

QString signName(Sign sign)
{
    return signNames().at(sign);
}

// A place in the year as month and day, compared month first. The day is the number as typed,
// so it may lie past the month's end; it is not a calendar date.
struct DayInYear
{
    int month;
    int day;

    auto operator<=>(const DayInYear &) const = default;
};

// A change on the 1st of a month is decided in the month before: it takes effect on the day
// after that month's last day, so a typed day past the month's end already gets the new sign.
DayInYear takesEffectOn(int year, const JunoChange &change)
{
    if (change.day != 1 || change.month == Jan)
        return {change.month, change.day};
    const int monthBefore = change.month - 1;
    return {monthBefore, QDate(year, monthBefore, 1).daysInMonth() + 1};
}

QString signOn(const JunoYear &year, DayInYear day)
{
    Sign sign = year.onFirstJanuary;
    for (const JunoChange &change : year.changes) {
        if (day < takesEffectOn(year.year, change))
            break;
        sign = change.sign;
    }
    return signName(sign);
}

// The year text as a number, or 0 when it is no whole number (which no table year equals).
int yearNumber(const QString &yearText)
{
    return yearText.toInt();
}

// Juno's sign at 00:00 UT on the days outside the table.
constexpr SignChange computedJunoChanges[] = {
#include "computedjuno.inc"
};

} // namespace

std::optional<QString> junoSignOn(const QString &yearText, const QString &monthText,
                                  const QString &dayText)
{
    const int year = yearNumber(yearText);
    if (year < FirstYear || year > LastYear)
        return std::nullopt;
    const int month = monthNumber(monthText);
    if (month == 0)
        return std::nullopt;
    // A day text that is no number reads as 0, before every change of the month.
    return signOn(junoYears().at(year - FirstYear), {month, dayText.toInt()});
}

std::optional<QString> junoSignOn(const QDate &date)
{
    if (date.isValid() && date >= QDate(FirstYear, Jan, 1) && date <= QDate(LastYear, Dec, 31))
        return junoSignOn(QString::number(date.year()), monthNames().at(date.month() - 1),
                          QString::number(date.day()));
    const std::optional<Sign> computed = computedSignOn(computedJunoChanges, date);
    if (!computed)
        return std::nullopt;
    return signName(*computed);
}

} // namespace Lumo
