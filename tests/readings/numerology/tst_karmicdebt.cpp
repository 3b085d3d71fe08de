#include "readings/numerology/karmicdebt.h"

#include <QTest>

using namespace Lumo;

class tst_KarmicDebt : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void debtNumber_data();
    void debtNumber();
    void sumsAreComparedAtFullWidth();
    void readingWithoutDebt();
    void readingWithDebt();
    void descriptions_data();
    void descriptions();
};

void tst_KarmicDebt::debtNumber_data()
{
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("middle");
    QTest::addColumn<QString>("last");
    QTest::addColumn<QString>("day");
    QTest::addColumn<int>("debt");
    // Numbers in the row names: Destiny/SoulUrge/InnerDream.
    // clang-format off
    QTest::newRow("ANN LEE 24/11/13, day 1")                         << "ANN"  << ""  << "LEE"   << "1"  << 13;
    QTest::newRow("NED MA 19/6/13, day 1: InnerDream beats Destiny") << "NED"  << ""  << "MA"    << "1"  << 13;
    QTest::newRow("NED MA, day 16: BirthDay tested last")            << "NED"  << ""  << "MA"    << "16" << 16;
    QTest::newRow("ROY LEE 35/16/19, day 2")                         << "ROY"  << ""  << "LEE"   << "2"  << 19;
    QTest::newRow("MARK 16/1/15: Destiny alone")                     << "MARK" << ""  << ""      << "1"  << 16;
    QTest::newRow("EIL 17/14/3: SoulUrge alone")                     << "EIL"  << ""  << ""      << "1"  << 14;
    QTest::newRow("JOHN SMITH 44/15/29, day 1: none")                << "JOHN" << ""  << "SMITH" << "1"  << 0;
    QTest::newRow("JOHN SMITH, day 14")                              << "JOHN" << ""  << "SMITH" << "14" << 14;
    QTest::newRow("middle name moves ANN LEE off 13")                << "ANN"  << "B" << "LEE"   << "1"  << 0;
    // clang-format on
}

void tst_KarmicDebt::debtNumber()
{
    QFETCH(QString, first);
    QFETCH(QString, middle);
    QFETCH(QString, last);
    QFETCH(QString, day);
    QFETCH(int, debt);
    const NameNumbers numbers = nameNumbers(fullName(first, middle, last));
    QCOMPARE(karmicDebtNumber(numbers, birthDayNumber(day)), debt);
}

void tst_KarmicDebt::sumsAreComparedAtFullWidth()
{
    const qint64 wrapsTo13 = (qint64(1) << 32) + 13;
    QCOMPARE(karmicDebtNumber(NameNumbers{wrapsTo13, 65536 + 14, 19}, 1), 19);
    QCOMPARE(karmicDebtNumber(NameNumbers{wrapsTo13, 65536 + 14, 0}, 1), 0);
}

void tst_KarmicDebt::readingWithoutDebt()
{
    QCOMPARE(karmicDebtReading(0),
             QStringLiteral("Karmic Debt Number: 0\r\n\r\n"
                            "This number signifies some mistake or misuse of opportunities in "
                            "your previous lifetime that reflects in the present lifetime. You "
                            "can rectify the error in this lifetime by taking an additional "
                            "burden known as Karmic Debt.\r\n\r\n"
                            "Your Karmic Debt Number is not applicable.\r\n\r\n"
                            "\r\n\r\n"));
}

void tst_KarmicDebt::readingWithDebt()
{
    // The general paragraph is the one checked word for word above.
    const QString general = karmicDebtReading(0).section(QStringLiteral("\r\n\r\n"), 1, 1);
    QCOMPARE(karmicDebtReading(13), QStringLiteral("Karmic Debt Number: 13\r\n\r\n") + general +
                                        QStringLiteral("\r\n\r\n") + karmicDebtDescription(13) +
                                        QStringLiteral("\r\n\r\n\r\n\r\n"));
}

void tst_KarmicDebt::descriptions_data()
{
    QTest::addColumn<int>("debt");
    QTest::addColumn<QString>("opening");
    // clang-format off
    QTest::newRow("13") << 13 << "People with this number your kitty are hard worker and strugglers. ";
    QTest::newRow("14") << 14 << "Be optimistic and goal oriented, you will come up with flying colors. ";
    QTest::newRow("16") << 16 << "This number is probably the route to attain the real truth of life. ";
    QTest::newRow("19") << 19 << "You are a self-made man forced to stand on your own feet without any help of others. ";
    // clang-format on
}

void tst_KarmicDebt::descriptions()
{
    QFETCH(int, debt);
    QFETCH(QString, opening);
    const QString text = karmicDebtDescription(debt);
    QVERIFY(text.startsWith(opening));
    QVERIFY2(text.size() >= 400 && text.size() <= 570, qPrintable(QString::number(text.size())));
    // One paragraph of plain text: printable ASCII, single spaces, no line breaks.
    QVERIFY(!text.contains(QStringLiteral("  ")));
    for (const QChar c : text)
        QVERIFY2(c >= u' ' && c <= u'~', qPrintable(text));
}

QTEST_APPLESS_MAIN(tst_KarmicDebt)
#include "tst_karmicdebt.moc"
