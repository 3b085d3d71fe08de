// lumo_signchanges BODY: writes to standard output the compiled-in table of the days on which
// BODY's sign changes outside the reading's own table, from 1 January 1900 to 31 December 2100.
// BODY is node (the true North Node), juno or neptune. The sign is that of the geocentric
// tropical ecliptic longitude at 00:00 UT of the day, from the Swiss Ephemeris.
//
// Each table starts with the sign on the first computed day of each stretch outside the
// reading's own table, followed by the changes in that stretch, so a lookup finds the sign of a
// day by a binary search: the last row on or before the day.

#include <swephexp.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

struct Day
{
    int year;
    int month;
    int day;
};

struct Body
{
    const char *name;
    int planet;
    // The reading's own table covers tableFirst to tableLast.
    Day tableFirst;
    Day tableLast;
    // The node's sign wobbles back and forth as it reaches a boundary; its table keeps the first
    // crossing and counts everything within this many days of it as that one change.
    int clusterDays;
    const char *readingFile;
};

const Body bodies[] = {
    {"node", SE_TRUE_NODE, {1940, 1, 1}, {2009, 12, 31}, 60, "lunarnodes.cpp"},
    {"juno", SE_JUNO, {1930, 1, 1}, {2012, 12, 31}, 0, "modzodiacsoulmatesign.cpp"},
    {"neptune", SE_NEPTUNE, {1900, 1, 1}, {2024, 12, 31}, 0, "modzodiacspiritualsign.cpp"},
};

const char *const signNames[] = {"Aries",       "Taurus",    "Gemini",   "Cancer",
                                 "Leo",         "Virgo",     "Libra",    "Scorpio",
                                 "Sagittarius", "Capricorn", "Aquarius", "Pisces"};

constexpr Day FirstDay{1900, 1, 1};
constexpr Day LastDay{2100, 12, 31};

// Julian day number of a day at 00:00 UT.
double midnight(const Day &day)
{
    return swe_julday(day.year, day.month, day.day, 0.0, SE_GREG_CAL);
}

Day dayOf(double julianDay)
{
    int year = 0;
    int month = 0;
    int day = 0;
    double hour = 0;
    swe_revjul(julianDay, SE_GREG_CAL, &year, &month, &day, &hour);
    return {year, month, day};
}

// The sign (0 = Aries) at julianDay; exits on any error, which is never a sign.
int signAt(int planet, double julianDay)
{
    double position[6] = {};
    char error[AS_MAXCH] = {};
    const int32 flags = swe_calc_ut(julianDay, planet, SEFLG_SWIEPH, position, error);
    if (flags < 0 || (flags & SEFLG_SWIEPH) == 0) {
        std::fprintf(stderr, "lumo_signchanges: no Swiss Ephemeris position: %s\n", error);
        std::exit(1);
    }
    return int(position[0] / 30.0) % 12;
}

struct Change
{
    double julianDay;
    int sign;
};

// The sign on FirstDay and every change after it, one row per change.
std::vector<Change> dailyChanges(const Body &body)
{
    std::vector<Change> changes;
    const double last = midnight(LastDay);
    for (double julianDay = midnight(FirstDay); julianDay <= last; julianDay += 1.0) {
        const int sign = signAt(body.planet, julianDay);
        if (changes.empty() || changes.back().sign != sign)
            changes.push_back({julianDay, sign});
    }
    return changes;
}

// Merges every run of changes that starts within clusterDays of a first crossing into that
// crossing, with the sign the run ends in; a run that ends where it began is no change.
std::vector<Change> clustered(const std::vector<Change> &changes, int clusterDays)
{
    std::vector<Change> merged;
    for (size_t i = 0; i < changes.size();) {
        size_t end = i;
        while (i > 0 && end + 1 < changes.size() &&
               changes[end + 1].julianDay - changes[i].julianDay <= clusterDays)
            ++end;
        if (merged.empty() || merged.back().sign != changes[end].sign)
            merged.push_back({changes[i].julianDay, changes[end].sign});
        i = end + 1;
    }
    return merged;
}

int signOn(const std::vector<Change> &changes, double julianDay)
{
    int sign = changes.front().sign;
    for (const Change &change : changes) {
        if (change.julianDay > julianDay)
            break;
        sign = change.sign;
    }
    return sign;
}

void printRow(double julianDay, int sign)
{
    const Day day = dayOf(julianDay);
    std::printf("    {%d, %d, %d, %s},\n", day.year, day.month, day.day, signNames[sign]);
}

// The rows for firstDay to lastDay: the sign on firstDay, then each change after it.
void printStretch(const std::vector<Change> &changes, double firstDay, double lastDay)
{
    if (firstDay > lastDay)
        return;
    printRow(firstDay, signOn(changes, firstDay));
    for (const Change &change : changes) {
        if (change.julianDay > firstDay && change.julianDay <= lastDay)
            printRow(change.julianDay, change.sign);
    }
}

void printTable(const Body &body)
{
    const std::vector<Change> changes = clustered(dailyChanges(body), body.clusterDays);
    std::printf("// Written by lumo_signchanges %s (tools/signchanges); do not edit.\n", body.name);
    std::printf("// The days on which the sign changes outside the table in %s, 1900 to 2100:\n",
                body.readingFile);
    std::printf("// year, month, day, the sign from that day on.\n");
    printStretch(changes, midnight(FirstDay), midnight(body.tableFirst) - 1);
    printStretch(changes, midnight(body.tableLast) + 1, midnight(LastDay));
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc == 2) {
        for (const Body &body : bodies) {
            if (std::strcmp(argv[1], body.name) == 0) {
                swe_set_ephe_path(const_cast<char *>(LUMO_SWE_EPHE_PATH));
                printTable(body);
                swe_close();
                return 0;
            }
        }
    }
    std::fprintf(stderr, "usage: lumo_signchanges node|juno|neptune\n");
    return 2;
}
