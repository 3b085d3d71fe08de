#include "readings/astrology/frmkarmicastrologydisplay.h"
#include "readings/astrology/frmkarmicastrologymain.h"
#include "readings/astrology/frmkarmicastrologysave.h"
#include "readings/soulmate/soulmateforms.h"
#include "readings/spiritual/spiritualforms.h"
#include "support/readingfixture.h"
#include "support/scripteddesktop.h"
#include "swesign.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRandomGenerator>
#include <QTest>
#include <QTextEdit>

using namespace Lumo;
using namespace Lumo::Testing;

namespace {

const QStringList zodiacOrder{"Aries", "Taurus",  "Gemini",      "Cancer",    "Leo",      "Virgo",
                              "Libra", "Scorpio", "Sagittarius", "Capricorn", "Aquarius", "Pisces"};
const QStringList months{"January", "February", "March",     "April",   "May",      "June",
                         "July",    "August",   "September", "October", "November", "December"};

// The fixed seed of the random dates; printed so that a failure can be repeated.
constexpr quint32 Seed = 20261211;

struct Reading
{
    const char *name;
    int button; // the main window's button that opens it
    int planet;
    QDate tableFirst;
    QDate tableLast;
};

const Reading readings[] = {
    {"node", 0, SE_TRUE_NODE, QDate(1940, 1, 1), QDate(2009, 12, 31)},
    {"juno", 3, SE_JUNO, QDate(1930, 1, 1), QDate(2012, 12, 31)},
    {"neptune", 4, SE_NEPTUNE, QDate(1900, 1, 1), QDate(2024, 12, 31)},
};

// The node crosses a boundary back and forth for a few weeks, and the reading keeps the first
// crossing: a random day is taken only where the ephemeris's sign held for the 60 days before.
bool signSettled(int planet, const QDate &date)
{
    const std::optional<int> sign = sweSignOn(planet, date);
    for (int back = 1; back <= 60; ++back) {
        if (sweSignOn(planet, date.addDays(-back)) != sign)
            return false;
    }
    return true;
}

QDate randomDateOutside(QRandomGenerator &random, const Reading &reading)
{
    const qint64 first = QDate(1900, 1, 1).toJulianDay();
    const qint64 last = QDate(2100, 12, 31).toJulianDay();
    for (;;) {
        const QDate date = QDate::fromJulianDay(random.bounded(first, last + 1));
        const bool inTable = date >= reading.tableFirst && date <= reading.tableLast;
        if (!inTable && (reading.planet != SE_TRUE_NODE || signSettled(reading.planet, date)))
            return date;
    }
}

DisplayForm *runReading(int button, const QDate &date)
{
    ReadingFixture::mainWindow()->OpenReading(button);
    InputForm *input = nullptr;
    if (button == 0)
        input = openedForm<frmKarmicAstrologyMain>();
    else if (button == 3)
        input = loadedForm<SignInputForm>("frmZodiacSoulmateSignMain");
    else
        input = loadedForm<SignInputForm>("frmZodiacSpiritualSignMain");
    ReadingFixture::typeName(control<QLineEdit>(input, "txtName"), QStringLiteral("Ann Lee"));
    pickDate(input, QString::number(date.day()), months.at(date.month() - 1),
             QString::number(date.year()));
    QTest::mouseClick(control<QPushButton>(input, "cmdNext"), Qt::LeftButton);
    if (button == 0)
        return loadedForm<frmKarmicAstrologyDisplay>();
    if (button == 3)
        return loadedForm<SignDisplayForm>("frmZodiacSoulmateSignDisplay");
    return loadedForm<SignDisplayForm>("frmZodiacSpiritualSignDisplay");
}

QString labelText(QWidget *form, const char *name)
{
    auto *label = form ? form->findChild<QLabel *>(name) : nullptr;
    return label ? label->text() : QString();
}

} // namespace

// Dates outside the readings' tables, through their forms, against the Swiss Ephemeris.
class tst_ComputedReadings : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cleanup() { closeAllForms(); }
    void randomDatesShowTheEphemerisSign_data();
    void randomDatesShowTheEphemerisSign();
};

void tst_ComputedReadings::randomDatesShowTheEphemerisSign_data()
{
    QTest::addColumn<int>("button");
    QTest::addColumn<QDate>("date");
    QTest::addColumn<QStringList>("expected"); // label name, text, ...
    qInfo("random dates from seed %u", Seed);
    QRandomGenerator random(Seed);
    for (const Reading &reading : readings) {
        for (int i = 0; i < 4; ++i) {
            const QDate date = randomDateOutside(random, reading);
            const std::optional<int> sign = sweSignOn(reading.planet, date);
            QVERIFY(sign);
            QStringList expected;
            if (reading.planet == SE_TRUE_NODE) {
                // North Node days in Aquarius read as the table spells them.
                const QString north = *sign == 10 ? "Aquarious" : zodiacOrder.at(*sign);
                expected = {"lblNorthSign", north, "lblSouthSign",
                            zodiacOrder.at((*sign + 6) % 12)};
            } else {
                expected = {reading.button == 3 ? "lblSoulmateSign" : "lblSpritualSign",
                            zodiacOrder.at(*sign)};
            }
            QTest::addRow("%s %s", reading.name, qPrintable(date.toString(Qt::ISODate)))
                << reading.button << date << expected;
        }
    }
}

void tst_ComputedReadings::randomDatesShowTheEphemerisSign()
{
    QFETCH(int, button);
    QFETCH(QDate, date);
    QFETCH(QStringList, expected);
    ReadingFixture fixture;
    ScriptedDesktop desktop;

    DisplayForm *display = runReading(button, date);

    QVERIFY(display && display->isFormVisible());
    QCOMPARE(desktop.messageTexts(), QStringList());
    for (qsizetype i = 0; i + 1 < expected.size(); i += 2)
        QCOMPARE(labelText(display, qPrintable(expected[i])), expected[i + 1]);
    // Every sign shown has its words under it.
    const QStringList descriptions = button == 0 ? QStringList{"lblNorthKeyWord", "lblSouthKeyWord"}
                                                 : QStringList{"lblSignDesc"};
    for (const QString &description : descriptions)
        QVERIFY2(labelText(display, qPrintable(description)).contains(u' '),
                 qPrintable(description));
    if (button == 0) {
        for (const char *box : {"txtNorthDesc", "txtSouthDesc"})
            QVERIFY2(control<QPlainTextEdit>(display, box)->toPlainText().contains(u' '), box);
    }

    // The node reading's report names the same sign.
    if (button == 0) {
        auto *nodeDisplay = static_cast<frmKarmicAstrologyDisplay *>(display);
        auto *report = new frmKarmicAstrologySave(nodeDisplay->reading(), nodeDisplay);
        const QString text = control<QTextEdit>(report, "RTB")->toPlainText();
        delete report;
        QVERIFY2(text.contains("Your North Node Is Placed In :- " + expected[1]), qPrintable(text));
    }
}

QTEST_MAIN(tst_ComputedReadings)
#include "tst_computedreadings.moc"
