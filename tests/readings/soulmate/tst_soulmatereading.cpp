#include "readings/soulmate/frmzodiacsoulmatesigndisplay.h"
#include "readings/soulmate/frmzodiacsoulmatesignmain.h"
#include "readings/soulmate/modzodiacsoulmatesign.h"
#include "readings/soulmate/soulmatetexts.h"
#include "support/readingfixture.h"
#include "support/scripteddesktop.h"

#include <QTest>

using namespace Lumo;
using namespace Lumo::Testing;

class tst_SoulmateReading : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cleanup() { ReadingFixture::closeAll(); }
    void showsTheSign_data();
    void showsTheSign();
    void twoReadingsInARowShowTheSecond();
    void refusedEntryShowsNoReading();

private:
    static frmZodiacSoulmateSignMain *enter(const QString &day, const QString &month,
                                            const QString &year)
    {
        ReadingFixture::mainWindow()->OpenReading(3);
        auto *input = Forms::get<frmZodiacSoulmateSignMain>();
        ReadingFixture::typeName(input->txtName, QStringLiteral("Mary Jones"));
        ReadingFixture::pickDate(input, day, month, year);
        return input;
    }
};

void tst_SoulmateReading::showsTheSign_data()
{
    QTest::addColumn<QString>("day");
    QTest::addColumn<QString>("month");
    QTest::addColumn<QString>("year");
    QTest::addColumn<QString>("sign");
    QTest::newRow("first Capricorn day") << "7"
                                         << "January"
                                         << "1930"
                                         << "Capricorn";
    QTest::newRow("day before") << "6"
                                << "January"
                                << "1930"
                                << "Sagittarius";
    QTest::newRow("Leo after Gemini in 1988") << "2"
                                              << "September"
                                              << "1988"
                                              << "Leo";
    QTest::newRow("Gemini ends") << "1"
                                 << "September"
                                 << "1988"
                                 << "Gemini";
    QTest::newRow("second half of the table") << "1"
                                              << "January"
                                              << "1971"
                                              << "Taurus";
    QTest::newRow("leap day") << "29"
                              << "February"
                              << "1932"
                              << "Cancer";
}

void tst_SoulmateReading::showsTheSign()
{
    QFETCH(QString, day);
    QFETCH(QString, month);
    QFETCH(QString, year);
    QFETCH(QString, sign);
    ReadingFixture fixture;
    ScriptedDesktop desktop;
    frmZodiacSoulmateSignMain *input = enter(day, month, year);

    QTest::mouseClick(input->ui.cmdNext, Qt::LeftButton);

    auto *display = Forms::loaded<frmZodiacSoulmateSignDisplay>();
    QVERIFY(display && display->isFormVisible());
    QVERIFY(!input->isFormVisible());
    QVERIFY(ReadingFixture::mainWindow()->startPanel()->isHidden());
    QCOMPARE(display->ui.lblSoulmateSign->text(), sign);
    QCOMPARE(display->ui.lblSignDesc->text(), soulmateDescription(sign));
    QCOMPARE(JunoSign(), sign);
}

void tst_SoulmateReading::twoReadingsInARowShowTheSecond()
{
    ReadingFixture fixture;
    ScriptedDesktop desktop;
    frmZodiacSoulmateSignMain *input = enter("31", "December", "1970");
    QTest::mouseClick(input->ui.cmdNext, Qt::LeftButton);
    QTest::mouseClick(Forms::loaded<frmZodiacSoulmateSignDisplay>()->ui.cmdBack, Qt::LeftButton);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(input->isFormVisible());
    QCOMPARE(input->txtName->text(), QStringLiteral("MARY JONES"));

    ReadingFixture::pickDate(input, "20", "February", "1971");
    QTest::mouseClick(input->ui.cmdNext, Qt::LeftButton);

    auto *display = Forms::loaded<frmZodiacSoulmateSignDisplay>();
    QCOMPARE(display->ui.lblSoulmateSign->text(), QStringLiteral("Gemini"));
    QCOMPARE(display->ui.lblSignDesc->text(), soulmateDescription(QStringLiteral("Gemini")));
}

void tst_SoulmateReading::refusedEntryShowsNoReading()
{
    ReadingFixture fixture;
    ScriptedDesktop desktop;
    frmZodiacSoulmateSignMain *input = enter("29", "February", "1931");
    const QString signBefore = JunoSign();
    QTest::mouseClick(input->ui.cmdNext, Qt::LeftButton);
    input->txtName->clear();
    ReadingFixture::pickDate(input, "1", "January", "1930");
    QTest::mouseClick(input->ui.cmdNext, Qt::LeftButton);

    QCOMPARE(desktop.messageTexts(),
             QStringList({"Please Enter Correct Date Or Month!", "Please Enter Your Name"}));
    QVERIFY(!Forms::loaded<frmZodiacSoulmateSignDisplay>());
    QVERIFY(input->isFormVisible());
    QCOMPARE(JunoSign(), signBefore);
}

QTEST_MAIN(tst_SoulmateReading)
#include "tst_soulmatereading.moc"
