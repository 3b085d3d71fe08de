#include "readings/spiritual/spiritualtexts.h"

#include <QTest>

using namespace Lumo;

class tst_SpiritualTexts : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void paragraphOfEachSign_data();
    void paragraphOfEachSign();
    void noDescriptionForOtherTexts();
};

void tst_SpiritualTexts::paragraphOfEachSign_data()
{
    QTest::addColumn<QString>("sign");
    QTest::addColumn<QString>("opening");
    QTest::addColumn<int>("sentences");
    QTest::addColumn<int>("length");

    // clang-format off
    QTest::newRow("Aries")       << "Aries"       << "You are a spiritual pioneer who follows your own inner light."                                  << 4 << 245;
    QTest::newRow("Taurus")      << "Taurus"      << "You look for the sacred in nature, in beauty and in simple comforts."                           << 4 << 252;
    QTest::newRow("Gemini")      << "Gemini"      << "You get along well with people thanks to your good communication skills."                       << 3 << 229;
    QTest::newRow("Cancer")      << "Cancer"      << "You tend to give a lot of importance to your home and family."                                  << 4 << 217;
    QTest::newRow("Leo")         << "Leo"         << "You would do well in the showbiz industry."                                                     << 3 << 212;
    QTest::newRow("Virgo")       << "Virgo"       << "This will make you question the religious beliefs and come up with impractical ideas at times." << 4 << 238;
    QTest::newRow("Libra")       << "Libra"       << "You will love to live a relaxed and easy life."                                                 << 4 << 214;
    QTest::newRow("Scorpio")     << "Scorpio"     << "You can become self destructive if you are not careful."                                        << 4 << 261;
    QTest::newRow("Sagittarius") << "Sagittarius" << "You believe in justice and will strive to help the world."                                      << 4 << 210;
    QTest::newRow("Capricorn")   << "Capricorn"   << "Matters of ecology and environment will be of keen importance to you."                          << 3 << 243;
    QTest::newRow("Aquarius")    << "Aquarius"    << "Both Neptune and Aquarius are opposite in nature."                                              << 4 << 230;
    QTest::newRow("Pisces")      << "Pisces"      << "You can be very inspiring in matters of religion and selflessness."                             << 3 << 182;
    // clang-format on
}

void tst_SpiritualTexts::paragraphOfEachSign()
{
    QFETCH(QString, sign);
    QFETCH(QString, opening);
    QFETCH(int, sentences);
    QFETCH(int, length);

    const QString paragraph = spiritualDescription(sign);
    QVERIFY(paragraph.startsWith(opening + u' '));
    QCOMPARE(paragraph.size(), length);
    // One plain paragraph: printable ASCII, single spaces, every sentence closed by a full stop.
    for (const QChar c : paragraph)
        QVERIFY2(c >= u' ' && c <= u'~' && c != u'!' && c != u'?', qPrintable(QString(c)));
    QVERIFY(!paragraph.contains(QStringLiteral("  ")));
    QVERIFY(paragraph.endsWith(u'.'));
    QCOMPARE(paragraph.count(u'.'), sentences);
    QCOMPARE(paragraph.count(QStringLiteral(". ")), sentences - 1);
}

void tst_SpiritualTexts::noDescriptionForOtherTexts()
{
    for (const char *text : {"", "gemini", "Aquarious", "Pisces "})
        QVERIFY2(spiritualDescription(QString::fromLatin1(text)).isNull(), text);
}

QTEST_APPLESS_MAIN(tst_SpiritualTexts)
#include "tst_spiritualtexts.moc"
