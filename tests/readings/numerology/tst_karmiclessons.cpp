#include "readings/numerology/karmiclessons.h"
#include "readings/numerology/namenumbers.h"

#include <QTest>

using namespace Lumo;

class tst_KarmicLessons : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void missingDigits_data();
    void missingDigits();
    void readingListsLessonsInOrder();
    void lessons_data();
    void lessons();
};

void tst_KarmicLessons::missingDigits_data()
{
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("middle");
    QTest::addColumn<QString>("last");
    QTest::addColumn<QList<int>>("missing");
    QTest::addColumn<QString>("heading");
    const QString is = QStringLiteral("Your Karmic Lesson Number is: ");
    // clang-format off
    QTest::newRow("JOHN SMITH")                  << "JOHN" << ""   << "SMITH" << QList<int>{3, 7}                      << is + " 3 7";
    QTest::newRow("middle name removes a digit") << "JOHN" << "C"  << "SMITH" << QList<int>{7}                         << is + " 7";
    QTest::newRow("ANN LEE")                     << "ANN"  << ""   << "LEE"   << QList<int>{2, 4, 6, 7, 8, 9}          << is + " 2 4 6 7 8 9";
    QTest::newRow("every digit")                 << "ABCD" << "EF" << "GHI"   << QList<int>{}                          << is;
    QTest::newRow("digits and punctuation")      << "123"  << "-"  << "."     << QList<int>{1, 2, 3, 4, 5, 6, 7, 8, 9} << is + " 1 2 3 4 5 6 7 8 9";
    QTest::newRow("lower case worth nothing")    << "john" << ""   << "smith" << QList<int>{1, 2, 3, 4, 5, 6, 7, 8, 9} << is + " 1 2 3 4 5 6 7 8 9";
    // clang-format on
}

void tst_KarmicLessons::missingDigits()
{
    QFETCH(QString, first);
    QFETCH(QString, middle);
    QFETCH(QString, last);
    QFETCH(QList<int>, missing);
    QFETCH(QString, heading);
    const QString name = fullName(first, middle, last);
    QCOMPARE(missingLessonDigits(name), missing);
    QCOMPARE(karmicLessonReading(name).section(QStringLiteral("\r\n"), 0, 0), heading);
}

void tst_KarmicLessons::readingListsLessonsInOrder()
{
    QCOMPARE(karmicLessonReading(QStringLiteral("JOHNSMITH")),
             QStringLiteral("Your Karmic Lesson Number is:  3 7\r\n\r\n"
                            "Karmic Lessons are areas that you are presently weak in, and that "
                            "you must look into and work on in this life. There can be more than "
                            "one Karmic Lesson for a person.\r\n"
                            "\r\n3\r\n") +
                 karmicLessonDescription(3) + QStringLiteral("\r\n7\r\n") +
                 karmicLessonDescription(7) + QStringLiteral("\r\n\r\n\r\n\r\n"));
}

void tst_KarmicLessons::lessons_data()
{
    QTest::addColumn<int>("digit");
    QTest::addColumn<QString>("opening");
    // clang-format off
    QTest::newRow("1") << 1 << "In this life span, situations frequently come up that force you to craft your own decisions. ";
    QTest::newRow("2") << 2 << "There may be an inclination to overlook the small things in life. ";
    QTest::newRow("3") << 3 << "In this life span, situations and experiences may come up that need you to be perfect and have a good imagination. ";
    QTest::newRow("4") << 4 << "This shows an earlier battle against being disorganized and more methodical. ";
    QTest::newRow("5") << 5 << "You need to learn to live life and not fear it. ";
    QTest::newRow("6") << 6 << "In this lifetime, family and associates will do little for you. ";
    QTest::newRow("7") << 7 << "In this life span, there will be steady opportunities to restore panic with faith, and a conviction in the power of your spirituality. ";
    QTest::newRow("8") << 8 << "In this generation, you will be enforced to handle your own business. ";
    QTest::newRow("9") << 9 << "In this life span, you will face bad blows to your emotional side till you are woken up by the intensity of the experiences. ";
    // clang-format on
}

void tst_KarmicLessons::lessons()
{
    QFETCH(int, digit);
    QFETCH(QString, opening);
    const QString text = karmicLessonDescription(digit);
    QVERIFY(text.startsWith(opening));
    QVERIFY2(text.size() >= 300 && text.size() <= 420, qPrintable(QString::number(text.size())));
    // One paragraph of plain text: printable ASCII, single spaces, no line breaks.
    QVERIFY(!text.contains(QStringLiteral("  ")));
    for (const QChar c : text)
        QVERIFY2(c >= u' ' && c <= u'~', qPrintable(text));
}

QTEST_APPLESS_MAIN(tst_KarmicLessons)
#include "tst_karmiclessons.moc"
