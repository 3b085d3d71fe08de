#include "readings/soulmate/soulmatetexts.h"

#include <QTest>

using namespace Lumo;

class tst_SoulmateTexts : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void descriptionOfEachSign_data();
    void descriptionOfEachSign();
    void noDescriptionForOtherTexts_data();
    void noDescriptionForOtherTexts();
};

void tst_SoulmateTexts::descriptionOfEachSign_data()
{
    QTest::addColumn<QString>("sign");
    QTest::addColumn<QString>("description");

    // clang-format off
    QTest::newRow("Aries")                             << "Aries"       << "This isn't going to be an easy match. You partner may be dominating and aggressive.";
    QTest::newRow("Taurus")                            << "Taurus"      << "This combination describes a stable partner but one who may be stubborn. He may also have a lot of appreciation for beauty in any form.";
    QTest::newRow("Gemini")                            << "Gemini"      << "You love to talk and would love a partner who does the same. Variety is what you need in life. Cleverness is something you can surely look for in your partner.";
    QTest::newRow("Cancer")                            << "Cancer"      << "A caring and sensitive partner is someone who would nurture you and you would do the same for him / her.";
    QTest::newRow("Leo")                               << "Leo"         << "You will like a loud partner, one who is flamboyant and happening. But on the negative side your partner may become bossy and arrogant if you are not too careful.";
    QTest::newRow("Virgo")                             << "Virgo"       << "You need a partner who takes care of you and is good at what he does.";
    QTest::newRow("Libra")                             << "Libra"       << "You would love a partner who has a lot of creative interests and is refined. He may also be very expressive about his feelings.";
    QTest::newRow("Scorpio")                           << "Scorpio"     << "An intense and brooding partner is the one for you.";
    QTest::newRow("Sagittarius, no closing full stop") << "Sagittarius" << "Your partner will be from a totally different background. He may not be that patient but have a heart of gold. Traveling would also be well enjoyed";
    QTest::newRow("Capricorn, trailing space")         << "Capricorn"   << "Your partner will need to be very meticulous and organized. ";
    QTest::newRow("Aquarius")                          << "Aquarius"    << "Your partner may not be like the rest and very unconventional. He may not think like others do and have very different ideas.";
    QTest::newRow("Pisces")                            << "Pisces"      << "You can live with imaginary partners. Even if you have a real partner you will tend to make up for his shortcomings by imagining the rest.";
    // clang-format on
}

void tst_SoulmateTexts::descriptionOfEachSign()
{
    QFETCH(QString, sign);
    QFETCH(QString, description);
    QCOMPARE(soulmateDescription(sign), description);
}

void tst_SoulmateTexts::noDescriptionForOtherTexts_data()
{
    QTest::addColumn<QString>("text");
    // clang-format off
    QTest::newRow("empty")          << "";
    QTest::newRow("lower case")     << "leo";
    QTest::newRow("misspelt")       << "Aquarious";
    QTest::newRow("trailing space") << "Pisces ";
    // clang-format on
}

void tst_SoulmateTexts::noDescriptionForOtherTexts()
{
    QFETCH(QString, text);
    QVERIFY(soulmateDescription(text).isNull());
}

QTEST_APPLESS_MAIN(tst_SoulmateTexts)
#include "tst_soulmatetexts.moc"
