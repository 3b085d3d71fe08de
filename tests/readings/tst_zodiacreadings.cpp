#include "readings/soulmate/modzodiacsoulmatesign.h"
#include "readings/soulmate/soulmateforms.h"
#include "readings/soulmate/soulmatetexts.h"
#include "readings/spiritual/modzodiacspiritualsign.h"
#include "readings/spiritual/spiritualforms.h"
#include "readings/spiritual/spiritualtexts.h"
#include "support/readingfixture.h"
#include "support/scripteddesktop.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>

#include <functional>

using namespace Lumo;
using namespace Lumo::Testing;

namespace {

// What the two zodiac readings differ in, as a test sees them.
struct ZodiacReading
{
    int button; // the main window's button that opens it
    std::function<InputForm *()> input;
    std::function<DisplayForm *()> loadedDisplay;
    QString signLabel;
    std::function<QString(const QString &sign)> description;
};

const ZodiacReading &zodiac(const QString &name)
{
    static const ZodiacReading soulmate{
        3,
        [] { return loadedForm<SignInputForm>("frmZodiacSoulmateSignMain"); },
        [] { return loadedForm<SignDisplayForm>("frmZodiacSoulmateSignDisplay"); },
        QStringLiteral("lblSoulmateSign"),
        soulmateDescription,
    };
    static const ZodiacReading spiritual{
        4,
        [] { return loadedForm<SignInputForm>("frmZodiacSpiritualSignMain"); },
        [] { return loadedForm<SignDisplayForm>("frmZodiacSpiritualSignDisplay"); },
        QStringLiteral("lblSpritualSign"),
        spiritualDescription,
    };
    return name == "soulmate" ? soulmate : spiritual;
}

InputForm *enter(const ZodiacReading &reading, const QString &day, const QString &month,
                 const QString &year)
{
    ReadingFixture::mainWindow()->OpenReading(reading.button);
    InputForm *input = reading.input();
    ReadingFixture::typeName(control<QLineEdit>(input, "txtName"), QStringLiteral("Mary Jones"));
    pickDate(input, day, month, year);
    return input;
}

void clickNext(InputForm *input)
{
    QTest::mouseClick(input->findChild<QPushButton *>("cmdNext"), Qt::LeftButton);
}

QString labelText(QWidget *form, const QString &name)
{
    auto *label = form ? form->findChild<QLabel *>(name) : nullptr;
    return label ? label->text() : QString();
}

} // namespace

// The Zodiac Soulmate Sign and Zodiac Spiritual Sign readings through their forms.
class tst_ZodiacReadings : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cleanup() { closeAllForms(); }
    void showsTheSign_data();
    void showsTheSign();
    void twoReadingsInARowShowTheSecond_data();
    void twoReadingsInARowShowTheSecond();
    void refusedEntryShowsNoReading_data();
    void refusedEntryShowsNoReading();
};

void tst_ZodiacReadings::showsTheSign_data()
{
    QTest::addColumn<QString>("reading");
    QTest::addColumn<QString>("day");
    QTest::addColumn<QString>("month");
    QTest::addColumn<QString>("year");
    QTest::addColumn<QString>("sign");
    const auto row = [](const char *name, const char *reading) -> QTestData & {
        return QTest::addRow("%s: %s", reading, name) << QString(reading);
    };
    // clang-format off
    row("first Capricorn day",      "soulmate")  << "7"  << "January"   << "1930" << "Capricorn";
    row("day before",               "soulmate")  << "6"  << "January"   << "1930" << "Sagittarius";
    row("Leo after Gemini in 1988", "soulmate")  << "2"  << "September" << "1988" << "Leo";
    row("Gemini ends",              "soulmate")  << "1"  << "September" << "1988" << "Gemini";
    row("second half of the table", "soulmate")  << "1"  << "January"   << "1971" << "Taurus";
    row("leap day",                 "soulmate")  << "29" << "February"  << "1932" << "Cancer";
    row("first Cancer day",         "spiritual") << "20" << "July"      << "1901" << "Cancer";
    row("day before",               "spiritual") << "19" << "July"      << "1901" << "Gemini";
    row("Pisces from 2012",         "spiritual") << "4"  << "February"  << "2012" << "Pisces";
    row("last day",                 "spiritual") << "31" << "December"  << "2024" << "Pisces";
    row("first day",                "spiritual") << "1"  << "January"   << "1900" << "Gemini";
    // clang-format on
}

void tst_ZodiacReadings::showsTheSign()
{
    QFETCH(QString, reading);
    QFETCH(QString, day);
    QFETCH(QString, month);
    QFETCH(QString, year);
    QFETCH(QString, sign);
    const ZodiacReading &zodiacReading = zodiac(reading);
    ReadingFixture fixture;
    ScriptedDesktop desktop;
    InputForm *input = enter(zodiacReading, day, month, year);

    clickNext(input);

    DisplayForm *display = zodiacReading.loadedDisplay();
    QVERIFY(display && display->isFormVisible());
    QVERIFY(!input->isFormVisible());
    QVERIFY(ReadingFixture::mainWindow()->startPanel()->isHidden());
    QCOMPARE(labelText(display, zodiacReading.signLabel), sign);
    QCOMPARE(labelText(display, "lblSignDesc"), zodiacReading.description(sign));
}

void tst_ZodiacReadings::twoReadingsInARowShowTheSecond_data()
{
    QTest::addColumn<QString>("reading");
    QTest::addColumn<QStringList>("firstDate");
    QTest::addColumn<QStringList>("secondDate");
    QTest::addColumn<QString>("secondSign");
    // clang-format off
    QTest::newRow("soulmate")  << "soulmate"  << QStringList{"31", "December", "1970"} << QStringList{"20", "February", "1971"} << "Gemini";
    QTest::newRow("spiritual") << "spiritual" << QStringList{"19", "July", "1901"}     << QStringList{"3", "February", "2012"}  << "Aquarius";
    // clang-format on
}

void tst_ZodiacReadings::twoReadingsInARowShowTheSecond()
{
    QFETCH(QString, reading);
    QFETCH(QStringList, firstDate);
    QFETCH(QStringList, secondDate);
    QFETCH(QString, secondSign);
    const ZodiacReading &zodiacReading = zodiac(reading);
    ReadingFixture fixture;
    ScriptedDesktop desktop;
    InputForm *input = enter(zodiacReading, firstDate[0], firstDate[1], firstDate[2]);
    clickNext(input);
    QTest::mouseClick(zodiacReading.loadedDisplay()->findChild<QPushButton *>("cmdBack"),
                      Qt::LeftButton);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(input->isFormVisible());
    QCOMPARE(control<QLineEdit>(input, "txtName")->text(), QStringLiteral("MARY JONES"));

    pickDate(input, secondDate[0], secondDate[1], secondDate[2]);
    clickNext(input);

    DisplayForm *display = zodiacReading.loadedDisplay();
    QCOMPARE(labelText(display, zodiacReading.signLabel), secondSign);
    QCOMPARE(labelText(display, "lblSignDesc"), zodiacReading.description(secondSign));
}

void tst_ZodiacReadings::refusedEntryShowsNoReading_data()
{
    QTest::addColumn<QString>("reading");
    QTest::addColumn<QStringList>("badDate");
    QTest::addColumn<QString>("dateMessage");
    QTest::addColumn<QString>("firstYear");
    // clang-format off
    QTest::newRow("soulmate")  << "soulmate"  << QStringList{"29", "February", "1931"} << "Please Enter Correct Date Or Month!"  << "1930";
    QTest::newRow("spiritual") << "spiritual" << QStringList{"31", "April", "1950"}    << "Please Enter Correct Date Or Month !" << "1900";
    // clang-format on
}

// A refused entry shows its message and no reading; the input form stays up.
void tst_ZodiacReadings::refusedEntryShowsNoReading()
{
    QFETCH(QString, reading);
    QFETCH(QStringList, badDate);
    QFETCH(QString, dateMessage);
    QFETCH(QString, firstYear);
    const ZodiacReading &zodiacReading = zodiac(reading);
    ReadingFixture fixture;
    ScriptedDesktop desktop;
    InputForm *input = enter(zodiacReading, badDate[0], badDate[1], badDate[2]);
    clickNext(input);
    control<QLineEdit>(input, "txtName")->clear();
    pickDate(input, "1", "January", firstYear);
    clickNext(input);

    QCOMPARE(desktop.messageTexts(), QStringList({dateMessage, "Please Enter Your Name"}));
    QVERIFY(!zodiacReading.loadedDisplay());
    QVERIFY(input->isFormVisible());
}

QTEST_MAIN(tst_ZodiacReadings)
#include "tst_zodiacreadings.moc"
