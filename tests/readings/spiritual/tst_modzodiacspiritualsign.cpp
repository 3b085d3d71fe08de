#include "readings/spiritual/modzodiacspiritualsign.h"

#include "common/names.h"

#include <QTest>

using namespace Lumo;

namespace {

// Every change of Neptune's sign as the first day in the new sign; before the first change,
// from 1 January 1900, Neptune is in Gemini. Written independently of the program's own table.
const QStringList neptuneChanges{
    "20 July 1901 Cancer",        "26 December 1901 Gemini",
    "22 May 1902 Cancer",         "24 September 1914 Leo",
    "15 December 1914 Cancer",    "20 July 1915 Leo",
    "20 March 1916 Cancer",       "3 May 1916 Leo",
    "22 September 1928 Virgo",    "20 February 1929 Leo",
    "25 July 1929 Virgo",         "4 October 1942 Libra",
    "18 April 1943 Virgo",        "3 August 1943 Libra",
    "25 December 1955 Scorpio",   "13 March 1956 Libra",
    "20 October 1956 Scorpio",    "16 June 1957 Libra",
    "7 August 1957 Scorpio",      "5 January 1970 Sagittarius",
    "4 May 1970 Scorpio",         "7 November 1970 Sagittarius",
    "20 January 1984 Capricorn",  "24 June 1984 Sagittarius",
    "22 November 1984 Capricorn", "30 January 1998 Aquarius",
    "24 August 1998 Capricorn",   "28 November 1998 Aquarius",
    "5 April 2011 Pisces",        "6 August 2011 Aquarius",
    "4 February 2012 Pisces",
};

const QList<int> changeYears{1901, 1902, 1914, 1915, 1916, 1928, 1929, 1942, 1943,
                             1955, 1956, 1957, 1970, 1984, 1998, 2011, 2012};

struct SignChange
{
    QDate first;
    QString sign;
};

// "20 July 1901 Cancer"
SignChange parseChange(const QString &change)
{
    const QStringList parts = change.split(u' ');
    const QDate first(parts.at(2).toInt(), monthNumber(parts.at(1)), parts.at(0).toInt());
    return {first, parts.at(3)};
}

QString describe(const QDate &first, const QString &sign)
{
    return first.toString(Qt::ISODate) + u' ' + sign;
}

} // namespace

class tst_ZodiacSpiritualSign : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void everyDayChangesOnlyOnListedDays();
    void changeDays_data();
    void changeDays();
    void onlyChangeYearsLookAtTheMonth();
    void datesAsTyped_data();
    void datesAsTyped();
    void noAnswer_data();
    void noAnswer();
};

// Every day from 1 January 1900 to 31 December 2024, typed as the reading's lists give it, has a
// sign, and the sign changes exactly on the listed days.
void tst_ZodiacSpiritualSign::everyDayChangesOnlyOnListedDays()
{
    const QStringList neverFound{QStringLiteral("Aries"), QStringLiteral("Taurus")};
    QStringList changes;
    QString previousSign;
    for (QDate date(1900, 1, 1); date <= QDate(2024, 12, 31); date = date.addDays(1)) {
        const std::optional<QString> sign =
            neptuneSignOn(QString::number(date.year()), monthNames().at(date.month() - 1),
                          QString::number(date.day()));
        const QByteArray where = date.toString(Qt::ISODate).toLatin1();
        QVERIFY2(sign && signNames().contains(*sign) && !neverFound.contains(*sign), where);
        if (!previousSign.isEmpty() && *sign != previousSign) {
            // The lookup splits a month at the typed day, which needs every change inside a month.
            QVERIFY2(date.day() != 1, where);
            changes.append(describe(date, *sign));
        }
        previousSign = *sign;
    }

    QStringList expected;
    for (const QString &change : neptuneChanges) {
        const SignChange parsed = parseChange(change);
        expected.append(describe(parsed.first, parsed.sign));
    }
    QCOMPARE(changes, expected);
}

void tst_ZodiacSpiritualSign::changeDays_data()
{
    QTest::addColumn<QDate>("first");
    QTest::addColumn<QString>("signBefore");
    QTest::addColumn<QString>("sign");
    QString signBefore = QStringLiteral("Gemini");
    for (const QString &change : neptuneChanges) {
        const SignChange parsed = parseChange(change);
        QTest::newRow(qPrintable(change)) << parsed.first << signBefore << parsed.sign;
        signBefore = parsed.sign;
    }
}

void tst_ZodiacSpiritualSign::changeDays()
{
    QFETCH(QDate, first);
    QFETCH(QString, signBefore);
    QFETCH(QString, sign);
    for (const QDate &date : {first.addDays(-1), first}) {
        const QString year = QString::number(date.year());
        const QString month = monthNames().at(date.month() - 1);
        const QString day = QString::number(date.day());
        const QString expected = date == first ? sign : signBefore;
        QCOMPARE(neptuneSignOn(year, month, day), std::optional<QString>(expected));
    }
}

void tst_ZodiacSpiritualSign::onlyChangeYearsLookAtTheMonth()
{
    for (int year = 1900; year <= 2024; ++year) {
        const QString yearText = QString::number(year);
        const std::optional<QString> withoutMonth = neptuneSignOn(yearText, "Smarch", "99");
        const QByteArray where = yearText.toLatin1();
        if (changeYears.contains(year)) {
            QVERIFY2(!withoutMonth, where);
        } else {
            QVERIFY2(withoutMonth == neptuneSignOn(yearText, "January", "1"), where);
            QVERIFY2(withoutMonth == neptuneSignOn(yearText, "December", "31"), where);
        }
    }
}

void tst_ZodiacSpiritualSign::datesAsTyped_data()
{
    QTest::addColumn<QString>("year");
    QTest::addColumn<QString>("month");
    QTest::addColumn<QString>("day");
    QTest::addColumn<QString>("sign");

    // clang-format off
    QTest::newRow("first day")        << "1900" << "January"  << "1"  << "Gemini";
    QTest::newRow("29 February 1900") << "1900" << "February" << "29" << "Gemini";
    QTest::newRow("last day")         << "2024" << "December" << "31" << "Pisces";
    QTest::newRow("Aquarius ends")    << "2012" << "February" << "3"  << "Aquarius";
    QTest::newRow("Pisces begins")    << "2012" << "February" << "4"  << "Pisces";
    // clang-format on

    // A year without a change answers without reading the month or the day.
    // clang-format off
    QTest::newRow("no month name in 1950") << "1950" << "Smarch" << "1"     << "Libra";
    QTest::newRow("no day number in 1950") << "1950" << "May"    << "first" << "Libra";
    // clang-format on

    // In a change year the day is a number never checked against the month's length.
    // clang-format off
    QTest::newRow("past the end of a month with a change")    << "1957" << "June"     << "31"        << "Libra";
    QTest::newRow("past the end of a month without a change") << "1970" << "February" << "30"        << "Sagittarius";
    QTest::newRow("past the end of the year")                 << "1901" << "December" << "32"        << "Gemini";
    QTest::newRow("day 0")                                    << "1970" << "January"  << "0"         << "Scorpio";
    QTest::newRow("empty day")                                << "1970" << "January"  << ""          << "Scorpio";
    QTest::newRow("day not a number")                         << "1901" << "July"     << "twentieth" << "Gemini";
    // clang-format on
}

void tst_ZodiacSpiritualSign::datesAsTyped()
{
    QFETCH(QString, year);
    QFETCH(QString, month);
    QFETCH(QString, day);
    QFETCH(QString, sign);
    QCOMPARE(neptuneSignOn(year, month, day), std::optional<QString>(sign));
}

void tst_ZodiacSpiritualSign::noAnswer_data()
{
    QTest::addColumn<QString>("year");
    QTest::addColumn<QString>("month");
    QTest::addColumn<QString>("day");

    // clang-format off
    QTest::newRow("year before the table")       << "1899"           << "December" << "31";
    QTest::newRow("year after the table")        << "2025"           << "January"  << "1";
    QTest::newRow("empty year")                  << ""               << "January"  << "1";
    QTest::newRow("year not a number")           << "nineteen fifty" << "January"  << "1";
    QTest::newRow("no month name in 1970")       << "1970"           << "Smarch"   << "1";
    QTest::newRow("month in lower case in 1901") << "1901"           << "july"     << "20";
    QTest::newRow("empty month in 2012")         << "2012"           << ""         << "4";
    // clang-format on
}

void tst_ZodiacSpiritualSign::noAnswer()
{
    QFETCH(QString, year);
    QFETCH(QString, month);
    QFETCH(QString, day);
    QCOMPARE(neptuneSignOn(year, month, day), std::nullopt);
}

QTEST_APPLESS_MAIN(tst_ZodiacSpiritualSign)
#include "tst_modzodiacspiritualsign.moc"
