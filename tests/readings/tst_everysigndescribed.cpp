#include "readings/astrology/lunarnodes.h"
#include "readings/soulmate/modzodiacsoulmatesign.h"
#include "readings/spiritual/modzodiacspiritualsign.h"
#include "support/readingfixture.h"
#include "support/scripteddesktop.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QTest>

#include <map>

using namespace Lumo;
using namespace Lumo::Testing;

namespace {

// What the three date readings show for a sign, as a test finds it on the display form.
struct DateReading
{
    const char *name;
    int button; // the main window's button that opens it
    const char *signLabel;
    QStringList descriptions; // the controls under the sign that describe it
    std::function<QString(const QDate &)> signOn;
};

const DateReading dateReadings[] = {
    {"node",
     0,
     "lblNorthSign",
     {"lblNorthKeyWord", "txtNorthDesc", "lblSouthKeyWord", "txtSouthDesc"},
     [](const QDate &date) { return northNodeOn(date); }},
    {"juno",
     3,
     "lblSoulmateSign",
     {"lblSignDesc"},
     [](const QDate &date) { return junoSignOn(date).value_or(QString()); }},
    {"neptune",
     4,
     "lblSpritualSign",
     {"lblSignDesc"},
     [](const QDate &date) { return neptuneSignOn(date).value_or(QString()); }},
};

const DateReading &dateReading(const QString &name)
{
    for (const DateReading &reading : dateReadings) {
        if (name == QLatin1String(reading.name))
            return reading;
    }
    qFatal("no reading %s", qPrintable(name));
}

QString shownText(QWidget *form, const QString &name)
{
    if (auto *label = form->findChild<QLabel *>(name))
        return label->text();
    if (auto *box = form->findChild<QPlainTextEdit *>(name))
        return box->toPlainText();
    return QString();
}

} // namespace

// Whatever sign a date of birth from 1900 to 2100 gives, the reading describes it: the display
// form shows words under every sign, never an empty description.
class tst_EverySignDescribed : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cleanup() { closeAllForms(); }
    void signIsDescribed_data();
    void signIsDescribed();
};

void tst_EverySignDescribed::signIsDescribed_data()
{
    QTest::addColumn<QString>("reading");
    QTest::addColumn<QDate>("date");
    QTest::addColumn<QString>("sign"); // empty: whatever the reading finds

    // Neptune entered Aries in 2025 and moves on to Taurus in 2039; whoever is born then must
    // read about those signs.
    // clang-format off
    QTest::newRow("neptune in Aries, 2030")  << "neptune" << QDate(2030, 6, 15) << "Aries";
    QTest::newRow("neptune in Taurus, 2045") << "neptune" << QDate(2045, 6, 15) << "Taurus";
    QTest::newRow("juno, 2030")              << "juno"    << QDate(2030, 6, 15) << "";
    QTest::newRow("juno, 2045")              << "juno"    << QDate(2045, 6, 15) << "";
    QTest::newRow("node, 2030")              << "node"    << QDate(2030, 6, 15) << "";
    QTest::newRow("node, 2045")              << "node"    << QDate(2045, 6, 15) << "";
    // clang-format on

    // The first day of every sign each reading gives between 1900 and 2100.
    for (const DateReading &reading : dateReadings) {
        std::map<QString, QDate> firstDays;
        for (QDate day(1900, 1, 1); day <= QDate(2100, 12, 31); day = day.addDays(1))
            firstDays.try_emplace(reading.signOn(day), day);
        QVERIFY2(!firstDays.contains(QString()), reading.name);
        QCOMPARE(firstDays.size(), size_t(12));
        for (const auto &[sign, day] : firstDays) {
            QTest::addRow("%s first in %s", reading.name, qPrintable(sign))
                << QString::fromLatin1(reading.name) << day << sign;
        }
    }
}

void tst_EverySignDescribed::signIsDescribed()
{
    QFETCH(QString, reading);
    QFETCH(QDate, date);
    QFETCH(QString, sign);
    const DateReading &dateReading = ::dateReading(reading);
    ReadingFixture fixture;
    ScriptedDesktop desktop;
    frmMDI *main = ReadingFixture::mainWindow();
    main->OpenReading(dateReading.button);
    InputForm *input = main->activeMdiChild();
    ReadingFixture::typeName(control<QLineEdit>(input, "txtName"), QStringLiteral("Ann Lee"));
    pickDate(input, QString::number(date.day()), QLocale::c().standaloneMonthName(date.month()),
             QString::number(date.year()));
    QTest::mouseClick(control<QPushButton>(input, "cmdNext"), Qt::LeftButton);

    Form *display = latestReadingForm(main->workspace());
    QVERIFY(display && display != input && display->isFormVisible());
    QCOMPARE(desktop.messageTexts(), QStringList());
    const QString shownSign = shownText(display, QLatin1String(dateReading.signLabel));
    QVERIFY(!shownSign.isEmpty());
    if (!sign.isEmpty())
        QCOMPARE(shownSign, sign);
    for (const QString &description : dateReading.descriptions) {
        // Words, not a lone sign or an empty line.
        const QString text = shownText(display, description).trimmed();
        QVERIFY2(text.contains(u' '), qPrintable(description + QStringLiteral(": ") + text));
    }
}

QTEST_MAIN(tst_EverySignDescribed)
#include "tst_everysigndescribed.moc"
