#include "readings/soulmate/modzodiacsoulmatesign.h"

#include "common/names.h"

#include <QTest>

using namespace Lumo;

namespace {

// Juno's sign year by year: the sign on 1 January, then each change as the first day of the new
// sign. Written independently of the program's own table so that the two check each other.
// clang-format off
const QStringList junoYearList{
    "1930 Sagittarius; 7 Jan Capricorn; 13 Apr Aquarius; 19 Jul Capricorn; 9 Nov Aquarius",
    "1931 Aquarius; 23 Jan Pisces; 24 Mar Aries; 19 May Taurus; 12 Jul Gemini; 7 Sep Cancer",
    "1932 Cancer; 8 May Leo; 24 Jul Virgo; 6 Oct Libra",
    "1933 Libra; 6 Jan Scorpio; 10 Apr Libra; 30 Aug Scorpio; 26 Nov Sagittarius",
    "1934 Sagittarius; 2 Mar Capricorn; 25 Jun Sagittarius; 12 Oct Capricorn",
    "1935 Capricorn; 6 Jan Aquarius; 16 Mar Pisces; 24 May Aries; 23 Aug Taurus; 4 Oct Aries",
    "1936 Aries; 16 Jan Taurus; 21 Mar Gemini; 16 May Cancer; 12 Jul Leo; 13 Sep Virgo; 28 Nov Libra",
    "1937 Libra; 6 Apr Virgo; 30 Jun Libra; 11 Oct Scorpio",
    "1938 Scorpio; 10 Jan Sagittarius; 7 Jul Scorpio; 15 Aug Sagittarius; 5 Dec Capricorn",
    "1939 Capricorn; 22 Feb Aquarius; 28 May Pisces; 13 Aug Aquarius; 4 Dec Pisces",
    "1940 Pisces; 9 Feb Aries; 3 Apr Taurus; 23 May Gemini; 14 Jul Cancer; 7 Sep Leo; 17 Nov Virgo",
    "1941 Virgo; 17 Feb Leo; 31 May Virgo; 31 Aug Libra; 23 Nov Scorpio",
    "1942 Scorpio; 24 Oct Sagittarius",
    "1943 Sagittarius; 18 Jan Capricorn; 26 Nov Aquarius",
    "1944 Aquarius; 5 Feb Pisces; 5 Apr Aries; 1 Jun Taurus; 28 Jul Gemini; 4 Oct Cancer; 31 Dec Gemini",
    "1945 Gemini; 4 Mar Cancer; 27 May Leo; 5 Aug Virgo; 17 Oct Libra",
    "1946 Libra; 5 Feb Scorpio; 2 Mar Libra; 5 Sep Scorpio; 6 Dec Sagittarius",
    "1947 Sagittarius; 26 Mar Capricorn; 21 May Sagittarius; 29 Oct Capricorn",
    "1948 Capricorn; 18 Jan Aquarius; 29 Mar Pisces; 14 Jun Aries",
    "1949 Aries; 12 Feb Taurus; 8 Apr Gemini; 31 May Cancer; 26 Jul Leo; 25 Sep Virgo; 19 Dec Libra",
    "1950 Libra; 2 Mar Virgo; 20 Jul Libra; 21 Oct Scorpio",
    "1951 Scorpio; 23 Jan Sagittarius; 2 Jun Scorpio; 11 Sep Sagittarius; 16 Dec Capricorn",
    "1952 Capricorn; 7 Mar Aquarius; 23 Dec Pisces",
    "1953 Pisces; 23 Feb Aries; 17 Apr Taurus; 7 Jun Gemini; 29 Jul Cancer; 23 Sep Leo",
    "1954 Leo; 20 Jun Virgo; 11 Sep Libra; 3 Dec Scorpio",
    "1955 Scorpio; 2 Nov Sagittarius",
    "1956 Sagittarius; 29 Jan Capricorn; 9 Dec Aquarius",
    "1957 Aquarius; 16 Feb Pisces; 18 Apr Aries; 17 Jun Taurus; 19 Aug Gemini",
    "1958 Gemini; 4 Apr Cancer; 10 Jun Leo; 16 Aug Virgo; 27 Oct Libra",
    "1959 Libra; 15 Sep Scorpio; 14 Dec Sagittarius",
    "1960 Sagittarius; 8 Nov Capricorn",
    "1961 Capricorn; 26 Jan Aquarius; 11 Apr Pisces; 29 Dec Aries",
    "1962 Aries; 1 Mar Taurus; 23 Apr Gemini; 14 Jun Cancer; 8 Aug Leo; 9 Oct Virgo",
    "1963 Virgo; 3 Aug Libra; 30 Oct Scorpio",
    "1964 Scorpio; 7 Feb Sagittarius; 7 May Scorpio; 24 Sep Sagittarius; 24 Dec Capricorn",
    "1965 Capricorn; 20 Mar Aquarius",
    "1966 Aquarius; 7 Jan Pisces; 8 Mar Aries; 1 May Taurus; 22 Jun Gemini; 14 Aug Cancer; 15 Oct Leo",
    "1967 Leo; 6 Jul Virgo; 22 Sep Libra; 16 Dec Scorpio",
    "1968 Scorpio; 23 May Libra; 24 Jul Scorpio; 11 Nov Sagittarius",
    "1969 Sagittarius; 9 Feb Capricorn; 21 Dec Aquarius",
    "1970 Aquarius; 28 Feb Pisces; 3 May Aries; 7 Jul Taurus",
    "1971 Taurus; 20 Feb Gemini; 26 Apr Cancer; 25 Jun Leo; 28 Aug Virgo; 9 Nov Libra",
    "1972 Libra; 25 Sep Scorpio; 24 Dec Sagittarius",
    "1973 Sagittarius; 20 Nov Capricorn",
    "1974 Capricorn; 6 Feb Aquarius; 26 Apr Pisces",
    "1975 Pisces; 18 Jan Aries; 16 Mar Taurus; 6 May Gemini; 27 Jun Cancer; 20 Aug Leo; 23 Oct Virgo",
    "1976 Virgo; 15 Aug Libra; 8 Nov Scorpio",
    "1977 Scorpio; 15 Mar Sagittarius; 23 Mar Scorpio; 7 Oct Sagittarius",
    "1978 Sagittarius; 3 Jan Capricorn; 5 Apr Aquarius; 1 Aug Capricorn; 2 Nov Aquarius",
    "1979 Aquarius; 19 Jan Pisces; 20 Mar Aries; 15 May Taurus; 7 Jul Gemini; 1 Sep Cancer",
    "1980 Cancer; 2 May Leo; 19 Jul Virgo; 2 Oct Libra; 30 Dec Scorpio",
    "1981 Scorpio; 20 Apr Libra; 16 Aug Scorpio; 22 Nov Sagittarius",
    "1982 Sagittarius; 24 Feb Capricorn; 5 Jul Sagittarius; 6 Oct Capricorn",
    "1983 Capricorn; 3 Jan Aquarius; 13 Mar Pisces; 20 May Aries; 9 Aug Taurus; 26 Oct Aries",
    "1984 Aries; 7 Jan Taurus; 16 Mar Gemini; 12 May Cancer; 9 Jul Leo; 9 Sep Virgo; 22 Nov Libra",
    "1985 Libra; 19 Apr Virgo; 20 Jun Libra; 7 Oct Scorpio",
    "1986 Scorpio; 5 Jan Sagittarius; 2 Dec Capricorn",
    "1987 Capricorn; 19 Feb Aquarius; 20 May Pisces; 25 Aug Aquarius; 27 Nov Pisces",
    "1988 Pisces; 5 Feb Aries; 30 Mar Taurus; 20 May Gemini; 2 Sep Leo; 9 Nov Virgo",
    "1989 Virgo; 4 Mar Leo; 21 May Virgo; 27 Aug Libra; 18 Nov Scorpio",
    "1990 Scorpio; 19 Oct Sagittarius",
    "1991 Sagittarius; 14 Jan Capricorn; 5 May Aquarius; 17 Jun Capricorn; 21 Nov Aquarius",
    "1992 Aquarius; 1 Feb Pisces; 1 Apr Aries; 28 May Taurus; 22 Jul Gemini; 24 Sep Cancer",
    "1993 Cancer; 21 May Leo; 31 Jul Virgo; 12 Oct Libra",
    "1994 Libra; 19 Jan Scorpio; 23 Mar Libra; 30 Aug Scorpio; 1 Dec Sagittarius",
    "1995 Sagittarius; 14 Mar Capricorn; 5 Jun Sagittarius; 23 Oct Capricorn",
    "1996 Capricorn; 14 Jan Aquarius; 25 Mar Pisces; 7 Jun Aries",
    "1997 Aries; 7 Feb Taurus; 4 Apr Gemini; 27 May Cancer; 22 Jul Leo; 21 Sep Virgo; 10 Dec Libra",
    "1998 Libra; 14 Mar Virgo; 13 Jul Libra; 16 Oct Scorpio",
    "1999 Scorpio; 16 Jan Sagittarius; 15 Jun Scorpio; 1 Sep Sagittarius; 12 Dec Capricorn",
    "2000 Capricorn; 2 Mar Aquarius; 18 Dec Pisces",
    "2001 Pisces; 20 Feb Aries; 14 Apr Taurus; 4 Jun Gemini; 25 Jul Cancer; 19 Sep Leo",
    "2002 Leo; 15 Jun Virgo; 7 Sep Libra; 30 Nov Scorpio",
    "2003 Scorpio; 29 Oct Sagittarius",
    "2004 Sagittarius; 24 Jan Capricorn; 5 Dec Aquarius",
    "2005 Aquarius; 13 Feb Pisces; 15 Apr Aries; 13 Jun Taurus; 13 Aug Gemini",
    "2006 Gemini; 30 Mar Cancer; 7 Jun Leo; 13 Aug Virgo; 24 Oct Libra",
    "2007 Libra; 10 Sep Scorpio; 10 Dec Sagittarius",
    "2008 Sagittarius; 3 Nov Capricorn",
    "2009 Capricorn; 23 Jan Aquarius; 6 Apr Pisces; 4 Jul Aries; 16 Sep Pisces; 21 Dec Aries",
    "2010 Aries; 24 Feb Taurus; 19 Apr Gemini; 10 Jun Cancer; 3 Aug Leo; 4 Oct Virgo",
    "2011 Virgo; 30 Jul Libra; 27 Oct Scorpio",
    "2012 Scorpio; 30 Jan Sagittarius; 18 May Scorpio; 18 Sep Sagittarius; 20 Dec Capricorn",
};
// clang-format on

struct SignChange
{
    QDate first;
    QString sign;
};

// "1930 Sagittarius; 7 Jan Capricorn; ..." as 1 January with its sign, then each change.
QList<SignChange> parseYearLine(const QString &line)
{
    const QStringList parts = line.split(QStringLiteral("; "));
    const QStringList opening = parts.first().split(u' ');
    const int year = opening.at(0).toInt();
    QList<SignChange> changes{{QDate(year, 1, 1), opening.at(1)}};
    for (const QString &part : parts.mid(1)) {
        const QStringList dayMonthSign = part.split(u' ');
        int month = 1;
        while (!monthNames().at(month - 1).startsWith(dayMonthSign.at(1)))
            ++month;
        changes.append({QDate(year, month, dayMonthSign.at(0).toInt()), dayMonthSign.at(2)});
    }
    return changes;
}

} // namespace

class tst_ZodiacSoulmateSign : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void everyDayFollowsYearList_data();
    void everyDayFollowsYearList();
    void datesAsTyped_data();
    void datesAsTyped();
    void noAnswer_data();
    void noAnswer();
};

void tst_ZodiacSoulmateSign::everyDayFollowsYearList_data()
{
    QTest::addColumn<QString>("yearLine");
    for (const QString &line : junoYearList)
        QTest::newRow(qPrintable(line.left(4))) << line;
}

void tst_ZodiacSoulmateSign::everyDayFollowsYearList()
{
    QFETCH(QString, yearLine);
    const QList<SignChange> changes = parseYearLine(yearLine);
    const int year = changes.first().first.year();
    qsizetype next = 0;
    QString expected;
    for (QDate date(year, 1, 1); date.year() == year; date = date.addDays(1)) {
        if (next < changes.size() && changes.at(next).first == date)
            expected = changes.at(next++).sign;
        const QString yearText = QString::number(year);
        const QString monthText = monthNames().at(date.month() - 1);
        const QString dayText = QString::number(date.day());
        const QByteArray where = date.toString(Qt::ISODate).toLatin1();
        QVERIFY2(junoSignOn(yearText, monthText, dayText) == expected, where);
    }
}

void tst_ZodiacSoulmateSign::datesAsTyped_data()
{
    QTest::addColumn<QString>("year");
    QTest::addColumn<QString>("month");
    QTest::addColumn<QString>("day");
    QTest::addColumn<QString>("sign");

    // clang-format off
    QTest::newRow("first day")                          << "1930" << "January"   << "1"  << "Sagittarius";
    QTest::newRow("first change")                       << "1930" << "January"   << "7"  << "Capricorn";
    QTest::newRow("Aries ends 1970")                    << "1970" << "July"      << "6"  << "Aries";
    QTest::newRow("cut Taurus, end of first half")      << "1970" << "December"  << "31" << "Taurus";
    QTest::newRow("cut Taurus, start of second half")   << "1971" << "January"   << "1"  << "Taurus";
    QTest::newRow("cut Taurus ends")                    << "1971" << "February"  << "19" << "Taurus";
    QTest::newRow("two changes in March 1977, before")  << "1977" << "March"     << "14" << "Scorpio";
    QTest::newRow("two changes in March 1977, first")   << "1977" << "March"     << "15" << "Sagittarius";
    QTest::newRow("two changes in March 1977, between") << "1977" << "March"     << "22" << "Sagittarius";
    QTest::newRow("two changes in March 1977, second")  << "1977" << "March"     << "23" << "Scorpio";
    QTest::newRow("no Cancer in 1988, before")          << "1988" << "September" << "1"  << "Gemini";
    QTest::newRow("no Cancer in 1988, after")           << "1988" << "September" << "2"  << "Leo";
    QTest::newRow("29 February of a leap year")         << "1932" << "February"  << "29" << "Cancer";
    QTest::newRow("last change")                        << "2012" << "December"  << "20" << "Capricorn";
    QTest::newRow("last day")                           << "2012" << "December"  << "31" << "Capricorn";
    // clang-format on

    // The day is a number that is never checked against the month's length.
    // clang-format off
    QTest::newRow("change on 1 March, decided in February")    << "1962" << "February" << "30" << "Taurus";
    QTest::newRow("change on 1 June, decided in May")          << "1944" << "May"      << "32" << "Taurus";
    QTest::newRow("last real day before a change on the 1st")  << "1944" << "May"      << "31" << "Aries";
    QTest::newRow("change on 1 December, decided in November") << "1994" << "November" << "31" << "Sagittarius";
    QTest::newRow("past the end of a month with a change")     << "1937" << "April"    << "31" << "Virgo";
    QTest::newRow("past the end of a month without a change")  << "1930" << "June"     << "31" << "Aquarius";
    QTest::newRow("past the end of February in a leap year")   << "1932" << "February" << "30" << "Cancer";
    QTest::newRow("past the end of the last month")            << "2012" << "December" << "40" << "Capricorn";
    // clang-format on

    // A day text that is no number reads as day 0, before every change of its month.
    // clang-format off
    QTest::newRow("day 0")            << "1977" << "March"    << "0"       << "Scorpio";
    QTest::newRow("empty day")        << "1962" << "February" << ""        << "Aries";
    QTest::newRow("day not a number") << "1930" << "January"  << "seventh" << "Sagittarius";
    // clang-format on
}

void tst_ZodiacSoulmateSign::datesAsTyped()
{
    QFETCH(QString, year);
    QFETCH(QString, month);
    QFETCH(QString, day);
    QFETCH(QString, sign);
    QCOMPARE(junoSignOn(year, month, day), std::optional<QString>(sign));
}

void tst_ZodiacSoulmateSign::noAnswer_data()
{
    QTest::addColumn<QString>("year");
    QTest::addColumn<QString>("month");
    QTest::addColumn<QString>("day");

    // clang-format off
    QTest::newRow("year before the table") << "1929"           << "December" << "31";
    QTest::newRow("year after the table")  << "2013"           << "January"  << "1";
    QTest::newRow("empty year")            << ""               << "January"  << "1";
    QTest::newRow("year not a number")     << "nineteen fifty" << "January"  << "1";
    QTest::newRow("month in lower case")   << "1950"           << "january"  << "1";
    QTest::newRow("month abbreviated")     << "1950"           << "Jan"      << "1";
    QTest::newRow("empty month")           << "1950"           << ""         << "1";
    QTest::newRow("month with a space")    << "1971"           << "May "     << "1";
    // clang-format on
}

void tst_ZodiacSoulmateSign::noAnswer()
{
    QFETCH(QString, year);
    QFETCH(QString, month);
    QFETCH(QString, day);
    QCOMPARE(junoSignOn(year, month, day), std::nullopt);
}

QTEST_APPLESS_MAIN(tst_ZodiacSoulmateSign)
#include "tst_modzodiacsoulmatesign.moc"
