#include "readings/numerology/namenumbers.h"

#include <QTest>

using namespace Lumo;

class tst_NameNumbers : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void letterValue_data();
    void letterValue();
    void fullNameTrimsEachPartAndKeepsInnerSpaces();
    void nameNumbers_data();
    void nameNumbers();
    void veryLongNamesDoNotOverflow();
    void birthDayNumber_data();
    void birthDayNumber();
};

void tst_NameNumbers::letterValue_data()
{
    QTest::addColumn<QChar>("letter");
    QTest::addColumn<int>("value");
    // clang-format off
    QTest::newRow("A")                        << QChar(u'A')      << 1;
    QTest::newRow("I")                        << QChar(u'I')      << 9;
    QTest::newRow("J")                        << QChar(u'J')      << 1;
    QTest::newRow("R")                        << QChar(u'R')      << 9;
    QTest::newRow("S")                        << QChar(u'S')      << 1;
    QTest::newRow("Y")                        << QChar(u'Y')      << 7;
    QTest::newRow("Z")                        << QChar(u'Z')      << 8;
    QTest::newRow("before A")                 << QChar(u'@')      << 0;
    QTest::newRow("after Z")                  << QChar(u'[')      << 0;
    QTest::newRow("lower case")               << QChar(u'a')      << 0;
    QTest::newRow("digit")                    << QChar(u'1')      << 0;
    // A marked capital counts as its base letter; a marked small letter stays worth nothing.
    QTest::newRow("E acute")                  << QChar(u'\u00C9') << 5;
    QTest::newRow("O diaeresis")              << QChar(u'\u00D6') << 6;
    QTest::newRow("Y acute")                  << QChar(u'\u00DD') << 7;
    QTest::newRow("small e acute")            << QChar(u'\u00E9') << 0;
    QTest::newRow("O stroke, no base letter") << QChar(u'\u00D8') << 0;
    // clang-format on
}

void tst_NameNumbers::letterValue()
{
    QFETCH(QChar, letter);
    QFETCH(int, value);
    QCOMPARE(Lumo::letterValue(letter), value);
}

void tst_NameNumbers::fullNameTrimsEachPartAndKeepsInnerSpaces()
{
    QCOMPARE(fullName(QStringLiteral("  MARY ANN "), QStringLiteral("   "), QStringLiteral(" LEE")),
             QStringLiteral("MARY ANNLEE"));
}

void tst_NameNumbers::nameNumbers_data()
{
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("middle");
    QTest::addColumn<QString>("last");
    QTest::addColumn<qint64>("destiny");
    QTest::addColumn<qint64>("soulUrge");
    QTest::addColumn<qint64>("innerDream");
    // clang-format off
    QTest::newRow("ANN LEE")                  << "ANN"                    << ""    << "LEE"                    << qint64(24) << qint64(11) << qint64(13);
    QTest::newRow("padded parts")             << " ANN "                  << "  "  << " LEE"                   << qint64(24) << qint64(11) << qint64(13);
    QTest::newRow("middle name counts")       << "ANN"                    << "MAY" << "LEE"                    << qint64(36) << qint64(12) << qint64(24);
    QTest::newRow("Y as vowel")               << "LYNN"                   << ""    << ""                       << qint64(20) << qint64(7)  << qint64(20);
    QTest::newRow("Y as vowel, twice")        << "LYNN"                   << ""    << "SYX"                    << qint64(34) << qint64(14) << qint64(34);
    QTest::newRow("Y beside a vowel")         << "AMY"                    << ""    << ""                       << qint64(12) << qint64(1)  << qint64(11);
    QTest::newRow("digits only")              << "123"                    << ""    << ""                       << qint64(0)  << qint64(0)  << qint64(0);
    QTest::newRow("lower case worth nothing") << "AnN"                    << ""    << "lee"                    << qint64(6)  << qint64(1)  << qint64(5);
    QTest::newRow("marked vowels are vowels") << QString::fromUtf8("ZOË") << ""    << QString::fromUtf8("ÝNN") << qint64(36) << qint64(11) << qint64(25);
    QTest::newRow("lower-case y is no vowel") << "LyNN"                   << ""    << ""                       << qint64(13) << qint64(0)  << qint64(13);
    // clang-format on
}

void tst_NameNumbers::nameNumbers()
{
    QFETCH(QString, first);
    QFETCH(QString, middle);
    QFETCH(QString, last);
    QFETCH(qint64, destiny);
    QFETCH(qint64, soulUrge);
    QFETCH(qint64, innerDream);
    const NameNumbers numbers = Lumo::nameNumbers(fullName(first, middle, last));
    QCOMPARE(numbers.destiny, destiny);
    QCOMPARE(numbers.soulUrge, soulUrge);
    QCOMPARE(numbers.innerDream, innerDream);
}

void tst_NameNumbers::veryLongNamesDoNotOverflow()
{
    const NameNumbers withVowels = Lumo::nameNumbers(QStringLiteral("ANNLEE").repeated(200'000));
    QCOMPARE(withVowels.destiny, qint64(4'800'000));
    QCOMPARE(withVowels.soulUrge, qint64(2'200'000));
    QCOMPARE(withVowels.innerDream, qint64(2'600'000));

    const NameNumbers yOnly = Lumo::nameNumbers(QStringLiteral("LYNN").repeated(250'000));
    QCOMPARE(yOnly.destiny, qint64(5'000'000));
    QCOMPARE(yOnly.soulUrge, qint64(1'750'000));
    QCOMPARE(yOnly.innerDream, qint64(5'000'000));
}

void tst_NameNumbers::birthDayNumber_data()
{
    QTest::addColumn<QString>("dayText");
    QTest::addColumn<int>("day");
    // clang-format off
    QTest::newRow("1")      << "1"    << 1;
    QTest::newRow("29")     << "29"   << 29;
    QTest::newRow("padded") << " 31 " << 31;
    // clang-format on
}

void tst_NameNumbers::birthDayNumber()
{
    QFETCH(QString, dayText);
    QFETCH(int, day);
    QCOMPARE(Lumo::birthDayNumber(dayText), day);
}

QTEST_APPLESS_MAIN(tst_NameNumbers)
#include "tst_namenumbers.moc"
