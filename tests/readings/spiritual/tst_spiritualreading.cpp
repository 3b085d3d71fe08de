#include "readings/spiritual/frmzodiacspiritualsigndisplay.h"
#include "readings/spiritual/frmzodiacspiritualsignmain.h"
#include "readings/spiritual/modzodiacspiritualsign.h"
#include "readings/spiritual/spiritualtexts.h"
#include "support/readingfixture.h"
#include "support/scripteddesktop.h"

#include <QTest>

using namespace Lumo;
using namespace Lumo::Testing;

class tst_SpiritualReading : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cleanup() { ReadingFixture::closeAll(); }
    void showsTheSign_data();
    void showsTheSign();
    void twoReadingsInARowShowTheSecond();
    void refusedEntryShowsNoReading();

private:
    static frmZodiacSpiritualSignMain *enter(const QString &day, const QString &month,
                                             const QString &year)
    {
        ReadingFixture::mainWindow()->OpenReading(4);
        auto *input = Forms::get<frmZodiacSpiritualSignMain>();
        ReadingFixture::typeName(input->txtName, QStringLiteral("Mary Jones"));
        ReadingFixture::pickDate(input, day, month, year);
        return input;
    }
};

void tst_SpiritualReading::showsTheSign_data()
{
    QTest::addColumn<QString>("day");
    QTest::addColumn<QString>("month");
    QTest::addColumn<QString>("year");
    QTest::addColumn<QString>("sign");
    QTest::newRow("first Cancer day") << "20"
                                      << "July"
                                      << "1901"
                                      << "Cancer";
    QTest::newRow("day before") << "19"
                                << "July"
                                << "1901"
                                << "Gemini";
    QTest::newRow("Pisces from 2012") << "4"
                                      << "February"
                                      << "2012"
                                      << "Pisces";
    QTest::newRow("last day") << "31"
                              << "December"
                              << "2024"
                              << "Pisces";
    QTest::newRow("first day") << "1"
                               << "January"
                               << "1900"
                               << "Gemini";
}

void tst_SpiritualReading::showsTheSign()
{
    QFETCH(QString, day);
    QFETCH(QString, month);
    QFETCH(QString, year);
    QFETCH(QString, sign);
    ReadingFixture fixture;
    ScriptedDesktop desktop;
    frmZodiacSpiritualSignMain *input = enter(day, month, year);

    QTest::mouseClick(input->ui.cmdNext, Qt::LeftButton);

    auto *display = Forms::loaded<frmZodiacSpiritualSignDisplay>();
    QVERIFY(display && display->isFormVisible());
    QVERIFY(!input->isFormVisible());
    QVERIFY(ReadingFixture::mainWindow()->startPanel()->isHidden());
    QCOMPARE(display->ui.lblSpritualSign->text(), sign);
    QCOMPARE(display->ui.lblSignDesc->text(), spiritualDescription(sign));
    QCOMPARE(NeptuneSign(), sign);
}

void tst_SpiritualReading::twoReadingsInARowShowTheSecond()
{
    ReadingFixture fixture;
    ScriptedDesktop desktop;
    frmZodiacSpiritualSignMain *input = enter("19", "July", "1901");
    QTest::mouseClick(input->ui.cmdNext, Qt::LeftButton);
    QTest::mouseClick(Forms::loaded<frmZodiacSpiritualSignDisplay>()->ui.cmdBack, Qt::LeftButton);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(input->isFormVisible());
    QCOMPARE(input->txtName->text(), QStringLiteral("MARY JONES"));

    ReadingFixture::pickDate(input, "3", "February", "2012");
    QTest::mouseClick(input->ui.cmdNext, Qt::LeftButton);

    auto *display = Forms::loaded<frmZodiacSpiritualSignDisplay>();
    QCOMPARE(display->ui.lblSpritualSign->text(), QStringLiteral("Aquarius"));
    QCOMPARE(display->ui.lblSignDesc->text(), spiritualDescription(QStringLiteral("Aquarius")));
}

void tst_SpiritualReading::refusedEntryShowsNoReading()
{
    ReadingFixture fixture;
    ScriptedDesktop desktop;
    frmZodiacSpiritualSignMain *input = enter("31", "April", "1950");
    const QString signBefore = NeptuneSign();
    QTest::mouseClick(input->ui.cmdNext, Qt::LeftButton);
    input->txtName->clear();
    ReadingFixture::pickDate(input, "1", "January", "1900");
    QTest::mouseClick(input->ui.cmdNext, Qt::LeftButton);

    QCOMPARE(desktop.messageTexts(),
             QStringList({"Please Enter Correct Date Or Month !", "Please Enter Your Name"}));
    QVERIFY(!Forms::loaded<frmZodiacSpiritualSignDisplay>());
    QVERIFY(input->isFormVisible());
    QCOMPARE(NeptuneSign(), signBefore);
}

QTEST_MAIN(tst_SpiritualReading)
#include "tst_spiritualreading.moc"
