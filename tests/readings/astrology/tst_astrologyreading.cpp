#include "readings/astrology/frmkarmicastrologydisplay.h"
#include "readings/astrology/frmkarmicastrologymain.h"
#include "readings/astrology/nodereading.h"
#include "readings/astrology/nodetexts.h"
#include "support/readingfixture.h"
#include "support/scripteddesktop.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

using namespace Lumo;
using namespace Lumo::Testing;

class tst_AstrologyReading : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cleanup() { closeAllForms(); }
    void showsBothNodes_data();
    void showsBothNodes();
    void backThenNewDateShowsOnlyTheNewReading();
    void refusedEntryLeavesTheShownReadingAlone();

private:
    frmKarmicAstrologyDisplay *runReading(const QString &name, const QString &day,
                                          const QString &month, const QString &year);
};

frmKarmicAstrologyDisplay *tst_AstrologyReading::runReading(const QString &name, const QString &day,
                                                            const QString &month,
                                                            const QString &year)
{
    ReadingFixture::mainWindow()->OpenReading(0);
    auto *input = openedForm<frmKarmicAstrologyMain>();
    ReadingFixture::typeName(control<QLineEdit>(input, "txtName"), name);
    pickDate(input, day, month, year);
    QTest::mouseClick(control<QPushButton>(input, "cmdNext"), Qt::LeftButton);
    return loadedForm<frmKarmicAstrologyDisplay>();
}

void tst_AstrologyReading::showsBothNodes_data()
{
    QTest::addColumn<QString>("day");
    QTest::addColumn<QString>("month");
    QTest::addColumn<QString>("year");
    QTest::addColumn<QString>("north");
    QTest::addColumn<QString>("northKeywords");
    QTest::addColumn<QString>("south");
    QTest::addColumn<QString>("southKeywords");
    // clang-format off
    QTest::newRow("Virgo")                 << "15" << "June"    << "1960" << "Virgo"     << "Generous and Kind"           << "Pisces" << "Generous and Kind";
    QTest::newRow("Aquarious")             << "1"  << "January" << "1953" << "Aquarious" << "Domestic and Emotional"      << "Leo"    << "Domestic and Emotional";
    QTest::newRow("Aries keywords differ") << "1"  << "June"    << "1949" << "Aries"     << "Co-dependent and Indecisive" << "Libra"  << "Co-dependency and Indecisiveness";
    // clang-format on
}

void tst_AstrologyReading::showsBothNodes()
{
    QFETCH(QString, day);
    QFETCH(QString, month);
    QFETCH(QString, year);
    QFETCH(QString, north);
    QFETCH(QString, northKeywords);
    QFETCH(QString, south);
    QFETCH(QString, southKeywords);
    ReadingFixture fixture;
    ScriptedDesktop desktop;

    frmKarmicAstrologyDisplay *display = runReading(QStringLiteral("ann lee"), day, month, year);

    QVERIFY(display);
    QVERIFY(desktop.messages.isEmpty());
    QCOMPARE(control<QLabel>(display, "lblNorthSign")->text(), north);
    QCOMPARE(control<QLabel>(display, "lblNorthKeyWord")->text(), northKeywords);
    QCOMPARE(control<QLabel>(display, "lblSouthSign")->text(), south);
    QCOMPARE(control<QLabel>(display, "lblSouthKeyWord")->text(), southKeywords);
    const NodeSignTexts *texts = nodeSignTexts(north);
    QCOMPARE(control<QPlainTextEdit>(display, "txtNorthDesc")->toPlainText(),
             texts->northDescription);
    QCOMPARE(control<QPlainTextEdit>(display, "txtSouthDesc")->toPlainText(),
             texts->southDescription);
    QCOMPARE(control<QPlainTextEdit>(display, "txtNorthDesc")->textCursor().position(), 0);

    QVERIFY(display->isFormVisible());
    QVERIFY(!loadedForm<frmKarmicAstrologyMain>()->isFormVisible());
    QVERIFY(ReadingFixture::mainWindow()->startPanel()->isHidden());

    const NodeReadingData &reading = display->reading();
    QCOMPARE(reading.name, QStringLiteral("ANN LEE"));
    QCOMPARE(reading.day, qint16(day.toInt()));
    QCOMPARE(reading.monthName, month);
    QCOMPARE(reading.year, qint16(year.toInt()));
    QCOMPARE(reading.northSign(), north);
    QCOMPARE(reading.southSign(), south);
}

void tst_AstrologyReading::backThenNewDateShowsOnlyTheNewReading()
{
    ReadingFixture fixture;
    ScriptedDesktop desktop;
    frmKarmicAstrologyDisplay *first = runReading(QStringLiteral("ANN"), "15", "June", "1960");
    QVERIFY(first);
    QTest::mouseClick(control<QPushButton>(first, "cmdBack"), Qt::LeftButton);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!loadedForm<frmKarmicAstrologyDisplay>());

    auto *input = loadedForm<frmKarmicAstrologyMain>();
    QVERIFY(input && input->isFormVisible());
    QCOMPARE(control<QLineEdit>(input, "txtName")->text(), QStringLiteral("ANN"));
    pickDate(input, "1", "January", "1962");
    QTest::mouseClick(control<QPushButton>(input, "cmdNext"), Qt::LeftButton);

    auto *second = loadedForm<frmKarmicAstrologyDisplay>();
    QVERIFY(second);
    QCOMPARE(control<QLabel>(second, "lblNorthSign")->text(), QStringLiteral("Leo"));
    QCOMPARE(control<QLabel>(second, "lblSouthSign")->text(), QStringLiteral("Aquarius"));
    QCOMPARE(control<QLabel>(second, "lblNorthKeyWord")->text(),
             QStringLiteral("Introvert, Shy and Timid"));
    QVERIFY(
        control<QPlainTextEdit>(second, "txtNorthDesc")
            ->toPlainText()
            .contains(QStringLiteral(".Never jump out to follow the latest trend and fashion")));
}

// The input form stays loaded behind the display form; a Next it refuses leaves the reading
// that is shown, and the report made from it, as they were.
void tst_AstrologyReading::refusedEntryLeavesTheShownReadingAlone()
{
    ReadingFixture fixture;
    ScriptedDesktop desktop;
    frmKarmicAstrologyDisplay *display = runReading(QStringLiteral("ANN"), "5", "May", "1960");
    auto *input = loadedForm<frmKarmicAstrologyMain>();

    control<QLineEdit>(input, "txtName")->clear();
    input->cmdNext_Click();
    control<QLineEdit>(input, "txtName")->setText(QStringLiteral("BOB"));
    pickDate(input, "30", "February", "1953");
    input->cmdNext_Click();

    QCOMPARE(desktop.messageTexts(),
             QStringList({"Please Enter Your Name", "Please Enter Correct Date Of Birth !"}));
    QCOMPARE(loadedForm<frmKarmicAstrologyDisplay>(), display);
    QCOMPARE(display->reading().name, QStringLiteral("ANN"));
    QCOMPARE(display->reading().northSign(), QStringLiteral("Virgo"));
    QCOMPARE(control<QLabel>(display, "lblNorthSign")->text(), QStringLiteral("Virgo"));
}

QTEST_MAIN(tst_AstrologyReading)
#include "tst_astrologyreading.moc"
