#include "lunarnodes.h"

#include "common/signchanges.h"
#include "nodetexts.h"

namespace Lumo {

namespace {

using namespace Zodiac;

// First day of each North Node period; a period lasts up to the day before the next one starts.
// clang-format off
constexpr SignChange LunarNodeTable[] = {
    {1940, 1,  1,  Libra},
    {1941, 5,  25, Virgo},
    {1942, 11, 22, Leo},
    {1944, 5,  12, Cancer},
    {1945, 12, 4,  Gemini},
    {1947, 8,  3,  Taurus},
    {1949, 1,  27, Aries},
    {1950, 7,  27, Pisces},
    {1952, 3,  29, Aquarius},
    {1953, 10, 10, Capricorn},
    {1955, 4,  3,  Sagittarius},
    {1956, 10, 5,  Scorpio},
    {1958, 6,  17, Libra},
    {1959, 12, 16, Virgo},
    {1961, 6,  11, Leo},
    {1962, 12, 24, Cancer},
    {1964, 8,  26, Gemini},
    {1966, 2,  20, Taurus},
    {1967, 8,  20, Aries},
    {1969, 4,  20, Pisces},
    {1970, 11, 3,  Aquarius},
    {1972, 4,  28, Capricorn},
    {1973, 10, 28, Sagittarius},
    {1975, 8,  10, Scorpio},
    {1977, 1,  8,  Libra},
    {1978, 7,  6,  Virgo},
    {1980, 1,  6,  Leo},
    {1981, 9,  25, Cancer},
    {1983, 3,  17, Gemini},
    {1984, 9,  12, Taurus},
    {1986, 4,  7,  Aries},
    {1987, 12, 3,  Pisces},
    {1989, 5,  23, Aquarius},
    {1990, 11, 19, Capricorn},
    {1992, 9,  2,  Sagittarius},
    {1994, 2,  2,  Scorpio},
    {1995, 8,  1,  Libra},
    {1997, 1,  26, Virgo},
    {1998, 10, 21, Leo},
    {2000, 4,  10, Cancer},
    {2001, 10, 14, Gemini},
    {2003, 4,  15, Taurus},
    {2004, 12, 27, Aries},
    {2006, 6,  23, Pisces},
    {2007, 12, 12, Aquarius},
    {2009, 8,  22, Capricorn},
};
// clang-format on

// The true node's sign at 00:00 UT on the days outside the table.
constexpr SignChange computedNodeChanges[] = {
#include "computednodes.inc"
};

static_assert(isInDateOrder(LunarNodeTable));
static_assert(isInDateOrder(computedNodeChanges));

constexpr SignTables NodeTables{LunarNodeTable, {2009, 12, 31}, computedNodeChanges};

} // namespace

QString FindNorthNode(int year, int month, int day)
{
    const DayNumbers date{year, month, day};
    if (!NodeTables.covers(date))
        return {};
    return northNodeName(*signOn(NodeTables.table, date));
}

std::optional<Zodiac::Sign> northNodeSign(const QDate &date)
{
    return signOn(NodeTables, date);
}

QString northNodeOn(const QDate &date)
{
    const std::optional<Sign> sign = northNodeSign(date);
    return sign ? northNodeName(*sign) : QString();
}

} // namespace Lumo
