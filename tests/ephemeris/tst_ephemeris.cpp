#include "readings/astrology/lunarnodes.h"
#include "readings/soulmate/modzodiacsoulmatesign.h"
#include "readings/spiritual/modzodiacspiritualsign.h"
#include "swesign.h"

#include <QTest>

#include <functional>

using namespace Lumo;
using namespace Lumo::Testing;

namespace {

// A reading's sign of a date as a sign name; the empty text when it has none.
using Lookup = std::function<QString(const QDate &)>;

const QStringList &zodiacOrder()
{
    static const QStringList names{"Aries",       "Taurus",    "Gemini",   "Cancer",
                                   "Leo",         "Virgo",     "Libra",    "Scorpio",
                                   "Sagittarius", "Capricorn", "Aquarius", "Pisces"};
    return names;
}

QString nodeSign(const QDate &date)
{
    // The node table spells Aquarius its own way.
    const QString value = northNodeOn(date);
    return value == "Aquarious" ? QStringLiteral("Aquarius") : value;
}

QString junoSign(const QDate &date)
{
    return junoSignOn(date).value_or(QString());
}

QString neptuneSign(const QDate &date)
{
    return neptuneSignOn(date).value_or(QString());
}

struct Body
{
    int planet;
    Lookup lookup;
    int clusterDays; // crossings within this many days of a first crossing count as one change
};

Body body(const QString &name)
{
    if (name == "node")
        return {SE_TRUE_NODE, nodeSign, 60};
    if (name == "juno")
        return {SE_JUNO, junoSign, 0};
    return {SE_NEPTUNE, neptuneSign, 0};
}

QString sweSignName(int planet, const QDate &date)
{
    const std::optional<int> sign = sweSignOn(planet, date);
    return sign ? zodiacOrder().at(*sign) : QString();
}

// The ephemeris's sign from first to last, one entry a day, with every run of crossings that
// starts within clusterDays of a first crossing read as that crossing to the run's last sign.
QStringList ruledSigns(const Body &body, const QDate &first, const QDate &last)
{
    const QDate start = first.addDays(-body.clusterDays - 1);
    QList<QDate> crossings;
    QStringList raw;
    for (QDate date = start; date <= last; date = date.addDays(1)) {
        raw.append(sweSignName(body.planet, date));
        if (raw.size() > 1 && raw.last() != raw.at(raw.size() - 2))
            crossings.append(date);
    }
    QStringList ruled = raw;
    for (qsizetype i = 0; i < crossings.size();) {
        qsizetype end = i;
        while (end + 1 < crossings.size() &&
               crossings[i].daysTo(crossings[end + 1]) <= body.clusterDays)
            ++end;
        const qint64 from = start.daysTo(crossings[i]);
        const qint64 to =
            end + 1 < crossings.size() ? start.daysTo(crossings[end + 1]) : raw.size();
        const QString runSign = raw.at(start.daysTo(crossings[end]));
        for (qint64 day = from; day < to; ++day)
            ruled[day] = runSign;
        i = end + 1;
    }
    return ruled.mid(first.toJulianDay() - start.toJulianDay());
}

} // namespace

// The computed signs against the Swiss Ephemeris and against the readings' own tables.
class tst_Ephemeris : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void ephemerisAgreesWithTables_data();
    void ephemerisAgreesWithTables();
    void computedDaysMatchEphemeris_data();
    void computedDaysMatchEphemeris();
    void nothingJumpsAtTableEdges_data();
    void nothingJumpsAtTableEdges();
    void noSignOutside1900To2100_data();
    void noSignOutside1900To2100();
};

void tst_Ephemeris::ephemerisAgreesWithTables_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QDate>("first");
    QTest::addColumn<QDate>("last");
    QTest::addColumn<double>("leastPercent");
    // clang-format off
    QTest::newRow("node")    << "node"    << QDate(1940, 1, 1) << QDate(2009, 12, 31) << 99.7;
    QTest::newRow("juno")    << "juno"    << QDate(1930, 1, 1) << QDate(2012, 12, 31) << 99.3;
    QTest::newRow("neptune") << "neptune" << QDate(1900, 1, 1) << QDate(2024, 12, 31) << 99.99;
    // clang-format on
}

// Day by day over a table's own range, the ephemeris at 00:00 UT, read with the node's rule for
// its back-and-forth crossings, gives the table's sign on nearly every day: a wrong body, flag,
// time of day or sign arithmetic falls far below.
void tst_Ephemeris::ephemerisAgreesWithTables()
{
    QFETCH(QString, name);
    QFETCH(QDate, first);
    QFETCH(QDate, last);
    QFETCH(double, leastPercent);
    const Body tested = body(name);
    const QStringList fromEphemeris = ruledSigns(tested, first, last);
    QVERIFY(!fromEphemeris.contains(QString()));
    qint64 days = 0;
    qint64 agreeing = 0;
    for (QDate date = first; date <= last; date = date.addDays(1))
        agreeing += fromEphemeris.at(days++) == tested.lookup(date);
    const double percent = 100.0 * double(agreeing) / double(days);
    qInfo("%s: %.3f %% of %lld days agree", qPrintable(name), percent, days);
    QVERIFY2(percent >= leastPercent, qPrintable(QString::number(percent, 'f', 3)));
}

void tst_Ephemeris::computedDaysMatchEphemeris_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QDate>("date");
    const auto row = [](const char *name, const QDate &date) {
        QTest::addRow("%s %s", name, qPrintable(date.toString(Qt::ISODate)))
            << QString(name) << date;
    };
    // The first day, the days before and of a change, and the last day.
    // clang-format off
    row("node",    QDate(1900, 1, 1));
    row("node",    QDate(1901, 1, 20));
    row("node",    QDate(1901, 1, 21));
    row("node",    QDate(1939, 12, 31));
    row("node",    QDate(2010, 1, 1));
    // Back-and-forth crossings: the first crossing's day starts the sign they end in.
    row("node",    QDate(2049, 12, 14));
    row("node",    QDate(2049, 12, 15));
    row("node",    QDate(2050, 1, 10));
    row("node",    QDate(2090, 2, 27));
    row("node",    QDate(2090, 2, 28));
    row("node",    QDate(2090, 3, 20));
    row("node",    QDate(2100, 12, 31));
    row("juno",    QDate(1900, 1, 1));
    row("juno",    QDate(1929, 12, 31));
    row("juno",    QDate(2013, 1, 1));
    row("juno",    QDate(2024, 2, 29));
    row("juno",    QDate(2100, 12, 31));
    row("neptune", QDate(2025, 1, 1));
    row("neptune", QDate(2025, 3, 30));
    row("neptune", QDate(2025, 3, 31));
    row("neptune", QDate(2038, 5, 22));
    row("neptune", QDate(2038, 5, 23));
    row("neptune", QDate(2100, 12, 31));
    // clang-format on
}

void tst_Ephemeris::computedDaysMatchEphemeris()
{
    QFETCH(QString, name);
    QFETCH(QDate, date);
    const Body tested = body(name);
    QCOMPARE(tested.lookup(date), ruledSigns(tested, date, date).at(0));
}

void tst_Ephemeris::nothingJumpsAtTableEdges_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QDate>("tableDay");
    QTest::addColumn<QDate>("computedDay");
    // clang-format off
    QTest::newRow("node start")  << "node"    << QDate(1940, 1, 1)   << QDate(1939, 12, 31);
    QTest::newRow("node end")    << "node"    << QDate(2009, 12, 31) << QDate(2010, 1, 1);
    QTest::newRow("juno start")  << "juno"    << QDate(1930, 1, 1)   << QDate(1929, 12, 31);
    QTest::newRow("juno end")    << "juno"    << QDate(2012, 12, 31) << QDate(2013, 1, 1);
    QTest::newRow("neptune end") << "neptune" << QDate(2024, 12, 31) << QDate(2025, 1, 1);
    // clang-format on
}

void tst_Ephemeris::nothingJumpsAtTableEdges()
{
    QFETCH(QString, name);
    QFETCH(QDate, tableDay);
    QFETCH(QDate, computedDay);
    const Body tested = body(name);
    QVERIFY(!tested.lookup(tableDay).isEmpty());
    QCOMPARE(tested.lookup(computedDay), tested.lookup(tableDay));
}

void tst_Ephemeris::noSignOutside1900To2100_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QDate>("date");
    for (const char *name : {"node", "juno", "neptune"}) {
        QTest::addRow("%s 1899-12-31", name) << QString(name) << QDate(1899, 12, 31);
        QTest::addRow("%s 2101-01-01", name) << QString(name) << QDate(2101, 1, 1);
        QTest::addRow("%s no date", name) << QString(name) << QDate(2015, 2, 30);
    }
}

void tst_Ephemeris::noSignOutside1900To2100()
{
    QFETCH(QString, name);
    QFETCH(QDate, date);
    QCOMPARE(body(name).lookup(date), QString());
}

QTEST_GUILESS_MAIN(tst_Ephemeris)
#include "tst_ephemeris.moc"
