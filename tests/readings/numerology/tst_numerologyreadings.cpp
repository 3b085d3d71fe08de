#include "common/names.h"
#include "readings/numerology/karmicdebt.h"
#include "readings/numerology/karmiclessons.h"
#include "support/fullfilesystem.h"
#include "support/readingfixture.h"
#include "support/scripteddesktop.h"
#include "support/textentry.h"

#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using namespace Lumo;
using namespace Lumo::Testing;

class tst_NumerologyReadings : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cleanup() { closeAllForms(); }
    void debtReading_data();
    void debtReading();
    void lessonReading();
    void lessonReadingOfANameWithEveryNumber();
    void pastedNamesReadAsTyped_data();
    void pastedNamesReadAsTyped();
    void backAndNextShowTheSameReadingAfresh();
    void printsTheReadingToPdf();
    void cancelledPrintPrintsNothing();
    void failedPrintKeepsTheEarlierPdf();

private:
    static QString readingOf(int reading, const std::function<void(QLineEdit *, QString)> &enter,
                             const QString &first, const QString &last);
    static QString shown(const QString &crlfText)
    {
        return QString(crlfText).replace(CrLf, QStringLiteral("\n"));
    }
};

void tst_NumerologyReadings::debtReading_data()
{
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("middle");
    QTest::addColumn<QString>("last");
    QTest::addColumn<QString>("day");
    QTest::addColumn<int>("debt");
    // clang-format off
    QTest::newRow("inner dream 13")        << "ann" << ""  << "lee"   << "1"  << 13;
    QTest::newRow("birthday decides last") << "NED" << ""  << "MA"    << "16" << 16;
    QTest::newRow("middle name counts")    << "NED" << "B" << "MA"    << "1"  << 0;
    QTest::newRow("none")                  << "BOB" << ""  << "STONE" << "2"  << 0;
    // clang-format on
}

void tst_NumerologyReadings::debtReading()
{
    QFETCH(QString, first);
    QFETCH(QString, middle);
    QFETCH(QString, last);
    QFETCH(QString, day);
    QFETCH(int, debt);
    ReadingFixture fixture;
    ScriptedDesktop desktop;
    fixture.mainWindow()->OpenReading(1);
    auto *input = loadedForm<InputForm>("frmKarmicDebtNumberMain");
    ReadingFixture::typeName(control<QLineEdit>(input, "txtFirstName"), first);
    ReadingFixture::typeName(control<QLineEdit>(input, "txtMiddleName"), middle);
    ReadingFixture::typeName(control<QLineEdit>(input, "txtLastName"), last);
    pickDate(input, day, "March", "1980");

    QTest::mouseClick(control<QPushButton>(input, "cmdNext"), Qt::LeftButton);

    auto *display = loadedForm<DisplayForm>("frmKarmicDebtNoDisplay");
    QVERIFY(display && display->isFormVisible());
    QVERIFY(!input->isFormVisible());
    QCOMPARE(control<QPlainTextEdit>(display, "txtDisplay")->toPlainText(),
             shown(karmicDebtReading(debt)));
    QVERIFY(control<QPlainTextEdit>(display, "txtDisplay")
                ->toPlainText()
                .startsWith(QStringLiteral("Karmic Debt Number: %1\n\n").arg(debt)));
    QCOMPARE(control<QPlainTextEdit>(display, "txtDisplay")->textCursor().position(), 0);
}

void tst_NumerologyReadings::lessonReading()
{
    ReadingFixture fixture;
    ScriptedDesktop desktop;
    fixture.mainWindow()->OpenReading(2);
    auto *input = loadedForm<InputForm>("frmKarmicLessonNumberMain");
    ReadingFixture::typeName(control<QLineEdit>(input, "txtFirstName"), "john");
    ReadingFixture::typeName(control<QLineEdit>(input, "txtLastName"), "smith");

    QTest::mouseClick(control<QPushButton>(input, "cmdNext"), Qt::LeftButton);

    auto *display = loadedForm<DisplayForm>("frmKarmicLessionNoDisplay");
    QVERIFY(display);
    const QString text = control<QPlainTextEdit>(display, "txtDisplay")->toPlainText();
    QCOMPARE(text, shown(karmicLessonReading(QStringLiteral("JOHNSMITH"))));
    QVERIFY(text.startsWith(QStringLiteral("Your Karmic Lesson Number is:  3 7\n\n")));
    QVERIFY(text.contains(QStringLiteral("\n3\n") + karmicLessonDescription(3) +
                          QStringLiteral("\n7\n") + karmicLessonDescription(7)));
}

// A name with a letter for every number from 1 to 9 has no lesson to learn, and is told so.
void tst_NumerologyReadings::lessonReadingOfANameWithEveryNumber()
{
    ReadingFixture fixture;
    ScriptedDesktop desktop;
    fixture.mainWindow()->OpenReading(2);
    auto *input = loadedForm<InputForm>("frmKarmicLessonNumberMain");
    ReadingFixture::typeName(control<QLineEdit>(input, "txtFirstName"), "abcdefghi");
    ReadingFixture::typeName(control<QLineEdit>(input, "txtLastName"), "lee");

    QTest::mouseClick(control<QPushButton>(input, "cmdNext"), Qt::LeftButton);

    auto *display = loadedForm<DisplayForm>("frmKarmicLessionNoDisplay");
    QVERIFY(display);
    const QStringList paragraphs = control<QPlainTextEdit>(display, "txtDisplay")
                                       ->toPlainText()
                                       .split(QStringLiteral("\n\n"), Qt::SkipEmptyParts);
    QCOMPARE(paragraphs.size(), 3);
    QCOMPARE(paragraphs[0], QStringLiteral("Your Karmic Lesson Number is: "));
    QVERIFY(paragraphs[1].startsWith(QStringLiteral("Karmic Lessons are areas")));
    QCOMPARE(paragraphs[2].trimmed(),
             QStringLiteral("Your name holds every number from 1 to 9, so there is no Karmic "
                            "Lesson for you to learn in this life."));
}

// The reading text shown for a name entered into the first and last name boxes.
QString tst_NumerologyReadings::readingOf(int reading,
                                          const std::function<void(QLineEdit *, QString)> &enter,
                                          const QString &first, const QString &last)
{
    ReadingFixture fixture;
    ScriptedDesktop desktop;
    fixture.mainWindow()->OpenReading(reading);
    auto *input = reading == 1 ? loadedForm<InputForm>("frmKarmicDebtNumberMain")
                               : loadedForm<InputForm>("frmKarmicLessonNumberMain");
    enter(control<QLineEdit>(input, "txtFirstName"), first);
    enter(control<QLineEdit>(input, "txtLastName"), last);
    QTest::mouseClick(input->findChild<QPushButton *>("cmdNext"), Qt::LeftButton);
    QString text;
    if (auto *debt = loadedForm<DisplayForm>("frmKarmicDebtNoDisplay"))
        text = control<QPlainTextEdit>(debt, "txtDisplay")->toPlainText();
    if (auto *lesson = loadedForm<DisplayForm>("frmKarmicLessionNoDisplay"))
        text = control<QPlainTextEdit>(lesson, "txtDisplay")->toPlainText();
    return text;
}

void tst_NumerologyReadings::pastedNamesReadAsTyped_data()
{
    QTest::addColumn<int>("reading");
    QTest::addColumn<TextRoute>("route");
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("last");
    QTest::addColumn<QString>("typedFirst");
    QTest::addColumn<QString>("typedLast");

    for (TextRoute route : {TextRoute::Paste, TextRoute::Drop, TextRoute::InputMethod}) {
        for (int reading : {1, 2}) {
            const char *name = reading == 1 ? "debt" : "lesson";
            // clang-format off
            QTest::addRow("%s, %s, small letters", name, routeName(route)) << reading << route << "ann" << "lee"   << "ANN" << "LEE";
            QTest::addRow("%s, %s, accents",       name, routeName(route)) << reading << route << "Zoë" << "Núñez" << "ZOE" << "NUNEZ";
            // clang-format on
        }
    }
}

void tst_NumerologyReadings::pastedNamesReadAsTyped()
{
    QFETCH(int, reading);
    QFETCH(TextRoute, route);
    QFETCH(QString, first);
    QFETCH(QString, last);
    QFETCH(QString, typedFirst);
    QFETCH(QString, typedLast);

    const QString typed = readingOf(reading, &ReadingFixture::typeName, typedFirst, typedLast);
    const QString entered = readingOf(
        reading, [route](QLineEdit *box, const QString &text) { enterText(box, route, text); },
        first, last);

    QVERIFY(!typed.isEmpty());
    QCOMPARE(entered, typed);
}

void tst_NumerologyReadings::backAndNextShowTheSameReadingAfresh()
{
    ReadingFixture fixture;
    ScriptedDesktop desktop;
    fixture.mainWindow()->OpenReading(1);
    auto *input = loadedForm<InputForm>("frmKarmicDebtNumberMain");
    ReadingFixture::typeName(control<QLineEdit>(input, "txtFirstName"), "ROY");
    ReadingFixture::typeName(control<QLineEdit>(input, "txtLastName"), "LEE");
    pickDate(input, "2", "May", "1950");
    QTest::mouseClick(control<QPushButton>(input, "cmdNext"), Qt::LeftButton);
    const QString firstText =
        control<QPlainTextEdit>(loadedForm<DisplayForm>("frmKarmicDebtNoDisplay"), "txtDisplay")
            ->toPlainText();

    QTest::mouseClick(
        control<QPushButton>(loadedForm<DisplayForm>("frmKarmicDebtNoDisplay"), "cmdback"),
        Qt::LeftButton);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(input->isFormVisible());
    QCOMPARE(control<QLineEdit>(input, "txtFirstName")->text(), QStringLiteral("ROY"));
    QTest::mouseClick(control<QPushButton>(input, "cmdNext"), Qt::LeftButton);

    QCOMPARE(
        control<QPlainTextEdit>(loadedForm<DisplayForm>("frmKarmicDebtNoDisplay"), "txtDisplay")
            ->toPlainText(),
        firstText);
    QVERIFY(firstText.startsWith(QStringLiteral("Karmic Debt Number: 19")));
}

void tst_NumerologyReadings::printsTheReadingToPdf()
{
    ReadingFixture fixture;
    ScriptedDesktop desktop;
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("reading.pdf"));
    desktop.printerSetup = [&](QPrinter &printer) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
    };
    fixture.mainWindow()->OpenReading(2);
    auto *input = loadedForm<InputForm>("frmKarmicLessonNumberMain");
    ReadingFixture::typeName(control<QLineEdit>(input, "txtFirstName"), "ANN");
    ReadingFixture::typeName(control<QLineEdit>(input, "txtLastName"), "LEE");
    QTest::mouseClick(control<QPushButton>(input, "cmdNext"), Qt::LeftButton);

    QTest::mouseClick(
        control<QPushButton>(loadedForm<DisplayForm>("frmKarmicLessionNoDisplay"), "cmdprint"),
        Qt::LeftButton);

    QCOMPARE(desktop.printDialogs, 1);
    QFile file(pdf);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QVERIFY(file.read(4) == "%PDF");
    const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    if (pdftotext.isEmpty())
        QSKIP("pdftotext is not installed; the PDF's text was not read back");
    QProcess extract;
    extract.start(pdftotext, {pdf, QStringLiteral("-")});
    QVERIFY(extract.waitForFinished());
    const QString printed = QString::fromUtf8(extract.readAllStandardOutput());
    QVERIFY(printed.contains(QStringLiteral("Your Karmic Lesson Number is:")));
    QVERIFY(
        printed.contains(QStringLiteral("Karmic Lessons are areas that you are presently weak")));
}

void tst_NumerologyReadings::cancelledPrintPrintsNothing()
{
    ReadingFixture fixture;
    ScriptedDesktop desktop;
    fixture.mainWindow()->OpenReading(1);
    auto *input = loadedForm<InputForm>("frmKarmicDebtNumberMain");
    ReadingFixture::typeName(control<QLineEdit>(input, "txtFirstName"), "ANN");
    ReadingFixture::typeName(control<QLineEdit>(input, "txtLastName"), "LEE");
    QTest::mouseClick(control<QPushButton>(input, "cmdNext"), Qt::LeftButton);

    QTest::mouseClick(
        control<QPushButton>(loadedForm<DisplayForm>("frmKarmicDebtNoDisplay"), "cmdprint"),
        Qt::LeftButton);

    QCOMPARE(desktop.printDialogs, 1);
    QVERIFY(desktop.messages.isEmpty());
    QVERIFY(loadedForm<DisplayForm>("frmKarmicDebtNoDisplay")->isFormVisible());
}

// A PDF that cannot be written whole (here on a full disk) is not written at all: the earlier
// file stays as it was, and the message says why.
void tst_NumerologyReadings::failedPrintKeepsTheEarlierPdf()
{
    ReadingFixture fixture;
    ScriptedDesktop desktop;
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("full/reading.pdf"));
    const EarlierFile earlier(pdf, "an earlier reading", 0);
    if (!earlier.skipReason.isEmpty())
        QSKIP(qPrintable(earlier.skipReason));
    QVERIFY(earlier.ready);
    desktop.printerSetup = [&](QPrinter &printer) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdf);
    };
    fixture.mainWindow()->OpenReading(1);
    auto *input = loadedForm<InputForm>("frmKarmicDebtNumberMain");
    ReadingFixture::typeName(control<QLineEdit>(input, "txtFirstName"), "ANN");
    ReadingFixture::typeName(control<QLineEdit>(input, "txtLastName"), "LEE");
    QTest::mouseClick(control<QPushButton>(input, "cmdNext"), Qt::LeftButton);

    QTest::mouseClick(
        control<QPushButton>(loadedForm<DisplayForm>("frmKarmicDebtNoDisplay"), "cmdprint"),
        Qt::LeftButton);

    QCOMPARE(desktop.messages.size(), 1);
    QCOMPARE(desktop.messages.first().text,
             QStringLiteral("The reading could not be printed.\n%1: No space left on device")
                 .arg(QDir::toNativeSeparators(pdf)));
    QVERIFY(earlier.untouched());
}

QTEST_MAIN(tst_NumerologyReadings)
#include "tst_numerologyreadings.moc"
