#include "common/shift.h"

#include <QTest>

using namespace Lumo;

class tst_Shift : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void encode_data();
    void encode();
    void decodeDropsCodesBelowShift();
    void roundTripsEveryCodeUpTo170();
};

void tst_Shift::encode_data()
{
    QTest::addColumn<QString>("plain");
    QTest::addColumn<QByteArray>("encoded");
    // clang-format off
    QTest::newRow("abc")                   << "abc"  << QByteArray("\xB6\xB7\xB8");
    QTest::newRow("empty")                 << ""     << QByteArray();
    QTest::newRow("name")                  << "ANN"  << QByteArray("\x96\xA3\xA3");
    QTest::newRow("year")                  << "1960" << QByteArray("\x86\x8E\x8B\x85");
    QTest::newRow("170 kept, 171 dropped") << QString(QChar(170)) + QChar(171) + QChar(0x20AC) << QByteArray("\xFF");
    // clang-format on
}

void tst_Shift::encode()
{
    QFETCH(QString, plain);
    QFETCH(QByteArray, encoded);
    QCOMPARE(ShiftEncode(plain).toLatin1(), encoded);
}

void tst_Shift::decodeDropsCodesBelowShift()
{
    const QString encoded = QString::fromLatin1("\x96\x0D\x0A\xA3\x54\x55");
    QCOMPARE(ShiftDecode(encoded), QString("AN") + QChar(0));
    QCOMPARE(ShiftDecode(QString(QChar(0x20AC))), QString());
}

void tst_Shift::roundTripsEveryCodeUpTo170()
{
    QString all;
    for (int c = 0; c <= 170; ++c)
        all.append(QChar(c));
    QCOMPARE(ShiftDecode(ShiftEncode(all)), all);
}

QTEST_APPLESS_MAIN(tst_Shift)
#include "tst_shift.moc"
