#include "readings/astrology/lunarnodes.h"

#include <QDate>
#include <QTest>

#include <iterator>

using namespace Lumo;

class tst_LunarNodes : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void findNorthNode_data();
    void findNorthNode();
};

namespace {

struct PeriodStart
{
    QDate firstDay;
    const char *north;
};

// The first day of every North Node period, written out independently of the program's table.
// clang-format off
const PeriodStart periodStarts[] = {
    {{1940, 1, 1},   "Libra"},
    {{1941, 5, 25},  "Virgo"},
    {{1942, 11, 22}, "Leo"},
    {{1944, 5, 12},  "Cancer"},
    {{1945, 12, 4},  "Gemini"},
    {{1947, 8, 3},   "Taurus"},
    {{1949, 1, 27},  "Aries"},
    {{1950, 7, 27},  "Pisces"},
    {{1952, 3, 29},  "Aquarious"},
    {{1953, 10, 10}, "Capricorn"},
    {{1955, 4, 3},   "Sagittarius"},
    {{1956, 10, 5},  "Scorpio"},
    {{1958, 6, 17},  "Libra"},
    {{1959, 12, 16}, "Virgo"},
    {{1961, 6, 11},  "Leo"},
    {{1962, 12, 24}, "Cancer"},
    {{1964, 8, 26},  "Gemini"},
    {{1966, 2, 20},  "Taurus"},
    {{1967, 8, 20},  "Aries"},
    {{1969, 4, 20},  "Pisces"},
    {{1970, 11, 3},  "Aquarious"},
    {{1972, 4, 28},  "Capricorn"},
    {{1973, 10, 28}, "Sagittarius"},
    {{1975, 8, 10},  "Scorpio"},
    {{1977, 1, 8},   "Libra"},
    {{1978, 7, 6},   "Virgo"},
    {{1980, 1, 6},   "Leo"},
    {{1981, 9, 25},  "Cancer"},
    {{1983, 3, 17},  "Gemini"},
    {{1984, 9, 12},  "Taurus"},
    {{1986, 4, 7},   "Aries"},
    {{1987, 12, 3},  "Pisces"},
    {{1989, 5, 23},  "Aquarious"},
    {{1990, 11, 19}, "Capricorn"},
    {{1992, 9, 2},   "Sagittarius"},
    {{1994, 2, 2},   "Scorpio"},
    {{1995, 8, 1},   "Libra"},
    {{1997, 1, 26},  "Virgo"},
    {{1998, 10, 21}, "Leo"},
    {{2000, 4, 10},  "Cancer"},
    {{2001, 10, 14}, "Gemini"},
    {{2003, 4, 15},  "Taurus"},
    {{2004, 12, 27}, "Aries"},
    {{2006, 6, 23},  "Pisces"},
    {{2007, 12, 12}, "Aquarious"},
    {{2009, 8, 22},  "Capricorn"},
};
// clang-format on

static_assert(std::size(periodStarts) == 46);

void addDateRow(const QDate &date, const QString &north)
{
    QTest::addRow("%s", qPrintable(date.toString(Qt::ISODate)))
        << date.year() << date.month() << date.day() << north;
}

} // namespace

void tst_LunarNodes::findNorthNode_data()
{
    QTest::addColumn<int>("year");
    QTest::addColumn<int>("month");
    QTest::addColumn<int>("day");
    QTest::addColumn<QString>("north");

    addDateRow(periodStarts[0].firstDay, "Libra");
    for (size_t row = 1; row < std::size(periodStarts); ++row) {
        const PeriodStart &start = periodStarts[row];
        addDateRow(start.firstDay.addDays(-1), periodStarts[row - 1].north);
        addDateRow(start.firstDay, start.north);
    }
    addDateRow({2009, 12, 31}, "Capricorn");

    // clang-format off
    QTest::newRow("29 Feb 1952, before the change to Aquarious")  << 1952  << 2  << 29 << "Pisces";
    QTest::newRow("1 Jul 1975")                                   << 1975  << 7  << 1  << "Sagittarius";
    QTest::newRow("1 Jan 1953, Aquarius spelt the reading's way") << 1953  << 1  << 1  << "Aquarious";
    QTest::newRow("30 Feb 1952 compares as plain numbers")        << 1952  << 2  << 30 << "Pisces";

    QTest::newRow("31 Dec 1939")                                  << 1939  << 12 << 31 << "";
    QTest::newRow("1 Jan 2010")                                   << 2010  << 1  << 1  << "";
    QTest::newRow("32 Dec 2009")                                  << 2009  << 12 << 32 << "";
    QTest::newRow("0/0/0")                                        << 0     << 0  << 0  << "";
    QTest::newRow("negative")                                     << -1940 << -1 << -1 << "";
    // clang-format on
}

void tst_LunarNodes::findNorthNode()
{
    QFETCH(int, year);
    QFETCH(int, month);
    QFETCH(int, day);
    QFETCH(QString, north);
    QCOMPARE(FindNorthNode(year, month, day), north);
}

QTEST_APPLESS_MAIN(tst_LunarNodes)
#include "tst_lunarnodes.moc"
