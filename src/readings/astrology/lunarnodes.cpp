#include "lunarnodes.h"

#include "common/signchanges.h"

#include <algorithm>
#include <array>
#include <iterator>
#include <tuple>

namespace Lumo {

namespace {

struct NodePeriod
{
    int year;
    int month;
    int day;
    const char *north;

    // Tuples order dates by year, then month, then day, for any numbers a caller passes.
    constexpr auto firstDay() const { return std::tuple(year, month, day); }
};

// First day of each North Node period; a period lasts up to the day before the next one starts.
// clang-format off
constexpr std::array<NodePeriod, 46> LunarNodeTable{{
    {1940, 1,  1,  "Libra"},
    {1941, 5,  25, "Virgo"},
    {1942, 11, 22, "Leo"},
    {1944, 5,  12, "Cancer"},
    {1945, 12, 4,  "Gemini"},
    {1947, 8,  3,  "Taurus"},
    {1949, 1,  27, "Aries"},
    {1950, 7,  27, "Pisces"},
    {1952, 3,  29, "Aquarious"},
    {1953, 10, 10, "Capricorn"},
    {1955, 4,  3,  "Sagittarius"},
    {1956, 10, 5,  "Scorpio"},
    {1958, 6,  17, "Libra"},
    {1959, 12, 16, "Virgo"},
    {1961, 6,  11, "Leo"},
    {1962, 12, 24, "Cancer"},
    {1964, 8,  26, "Gemini"},
    {1966, 2,  20, "Taurus"},
    {1967, 8,  20, "Aries"},
    {1969, 4,  20, "Pisces"},
    {1970, 11, 3,  "Aquarious"},
    {1972, 4,  28, "Capricorn"},
    {1973, 10, 28, "Sagittarius"},
    {1975, 8,  10, "Scorpio"},
    {1977, 1,  8,  "Libra"},
    {1978, 7,  6,  "Virgo"},
    {1980, 1,  6,  "Leo"},
    {1981, 9,  25, "Cancer"},
    {1983, 3,  17, "Gemini"},
    {1984, 9,  12, "Taurus"},
    {1986, 4,  7,  "Aries"},
    {1987, 12, 3,  "Pisces"},
    {1989, 5,  23, "Aquarious"},
    {1990, 11, 19, "Capricorn"},
    {1992, 9,  2,  "Sagittarius"},
    {1994, 2,  2,  "Scorpio"},
    {1995, 8,  1,  "Libra"},
    {1997, 1,  26, "Virgo"},
    {1998, 10, 21, "Leo"},
    {2000, 4,  10, "Cancer"},
    {2001, 10, 14, "Gemini"},
    {2003, 4,  15, "Taurus"},
    {2004, 12, 27, "Aries"},
    {2006, 6,  23, "Pisces"},
    {2007, 12, 12, "Aquarious"},
    {2009, 8,  22, "Capricorn"},
}};
// clang-format on

constexpr auto LastCoveredDay = std::tuple(2009, 12, 31);

using namespace Zodiac;

// The true node's sign at 00:00 UT on the days outside the table.
constexpr SignChange computedNodeChanges[] = {
#include "computednodes.inc"
};

// A computed sign as the table spells it.
QString nodeValue(Sign sign)
{
    return sign == Aquarius ? QStringLiteral("Aquarious") : signNames().at(sign);
}

static_assert(std::is_sorted(LunarNodeTable.begin(), LunarNodeTable.end(),
                             [](const NodePeriod &a, const NodePeriod &b) {
                                 return a.firstDay() < b.firstDay();
                             }));

} // namespace

QString FindNorthNode(int year, int month, int day)
{
    const auto date = std::tuple(year, month, day);
    if (date < LunarNodeTable.front().firstDay() || date > LastCoveredDay)
        return {};
    // The first period starting after the date; the date lies in the one before it.
    const auto next = std::upper_bound(
        LunarNodeTable.begin(), LunarNodeTable.end(), date,
        [](const auto &value, const NodePeriod &period) { return value < period.firstDay(); });
    return QString::fromLatin1(std::prev(next)->north);
}

QString northNodeOn(const QDate &date)
{
    const QString fromTable = FindNorthNode(date.year(), date.month(), date.day());
    if (!fromTable.isEmpty() && date.isValid())
        return fromTable;
    const std::optional<Sign> computed = computedSignOn(computedNodeChanges, date);
    return computed ? nodeValue(*computed) : QString();
}

} // namespace Lumo
