#include "common/names.h"
#include "forms/datecheck.h"

#include <QTest>

using namespace Lumo;

Q_DECLARE_METATYPE(Lumo::DateCheck)

class tst_DateCheck : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void check_data();
    void check();
};

void tst_DateCheck::check_data()
{
    QTest::addColumn<int>("day");
    QTest::addColumn<int>("month");
    QTest::addColumn<int>("year");
    QTest::addColumn<DateCheck>("expected");

    const auto add = [](int day, int month, int year, DateCheck expected) {
        const QString name =
            QStringLiteral("%1 %2 %3").arg(day).arg(monthNames().at(month - 1)).arg(year);
        QTest::newRow(qPrintable(name)) << day << month << year << expected;
    };

    // Leap years follow the Gregorian rule: centuries only when divisible by 400.
    // clang-format off
    add(29, 2, 1900, DateCheck::BadFebruaryDay);
    add(29, 2, 2100, DateCheck::BadFebruaryDay);
    add(29, 2, 2000, DateCheck::Valid);
    add(29, 2, 2024, DateCheck::Valid);
    add(29, 2, 1904, DateCheck::Valid);
    add(29, 2, 1901, DateCheck::BadFebruaryDay);
    add(29, 2, 2023, DateCheck::BadFebruaryDay);
    add(28, 2, 1900, DateCheck::Valid);
    add(28, 2, 2023, DateCheck::Valid);
    add(1,  2, 1901, DateCheck::Valid);
    // clang-format on
    for (int year : {2000, 2023, 2024}) {
        add(30, 2, year, DateCheck::BadFebruaryDay);
        add(31, 2, year, DateCheck::BadFebruaryDay);
    }

    for (int month : {4, 6, 9, 11}) {
        add(31, month, 2001, DateCheck::BadThirtyFirst);
        add(30, month, 2001, DateCheck::Valid);
    }
    for (int month : {1, 3, 5, 7, 8, 10, 12})
        add(31, month, 1900, DateCheck::Valid);
}

void tst_DateCheck::check()
{
    QFETCH(int, day);
    QFETCH(int, month);
    QFETCH(int, year);
    QFETCH(DateCheck, expected);
    QCOMPARE(checkBirthDate(day - 1, month - 1, year), expected);
}

QTEST_APPLESS_MAIN(tst_DateCheck)
#include "tst_datecheck.moc"
