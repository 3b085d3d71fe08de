#include "profile/frmkarmicprofiledisplay.h"
#include "profile/recentpeople.h"
#include "support/readingfixture.h"
#include "support/scripteddesktop.h"
#include "support/textentry.h"

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>
#include <QTextBlock>
#include <QTextBrowser>

using namespace Lumo;
using namespace Lumo::Testing;
using namespace Lumo::Testing::FormsFixture;

namespace {

// A document as its readers meet it: the paragraphs above the first heading of level 2, then
// each heading of level 2 with the paragraphs under it (headings of level 3 among them).
struct Sections
{
    QStringList top;
    QStringList headings;
    QList<QStringList> bodies;
};

Sections sectionsOf(const QTextDocument *document)
{
    Sections sections;
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
        if (block.blockFormat().headingLevel() == 2) {
            sections.headings.append(block.text());
            sections.bodies.append(QStringList());
        } else if (sections.headings.isEmpty()) {
            sections.top.append(block.text());
        } else {
            sections.bodies.last().append(block.text());
        }
    }
    return sections;
}

// The lines of a reading text as its box shows them, without the empty ones.
QStringList shownLines(const QPlainTextEdit *box)
{
    return box->toPlainText().split(u'\n', Qt::SkipEmptyParts);
}

QString labelText(const QWidget *form, const char *name)
{
    const auto *label = control<QLabel>(form, name);
    return label ? label->text() : QStringLiteral("<no %1>").arg(QLatin1String(name));
}

QString captioned(const QWidget *form, const char *caption, const char *value)
{
    return labelText(form, caption) + QStringLiteral(": ") + labelText(form, value);
}

QString frameTitle(const QWidget *form, const char *name)
{
    const auto *frame = control<QGroupBox>(form, name);
    return frame ? frame->title() : QString();
}

// Types a name into an empty box; letters that have no key of their own come through the input
// method, as a keyboard layout with accents gives them.
void typeName(QLineEdit *box, const QString &name)
{
    box->clear();
    box->setFocus();
    for (const QChar c : name) {
        if (c.unicode() < 0x80)
            QTest::keyClick(box, c.toLatin1());
        else
            enterText(box, TextRoute::InputMethod, c);
    }
}

// What a form shows for a valid entry, read once it has gone on to its display form.
DisplayForm *showReading(int reading, const QString &first, const QString &middle,
                         const QString &last, const QDate &date)
{
    InputForm *input = openInputForm(reading);
    if (hasNameBoxes(reading)) {
        typeName(control<QLineEdit>(input, "txtFirstName"), first);
        typeName(control<QLineEdit>(input, "txtMiddleName"), middle);
        typeName(control<QLineEdit>(input, "txtLastName"), last);
    } else {
        // The single name box takes letters and spaces only; the sign readings do not use it.
        typeName(control<QLineEdit>(input, "txtName"), QStringLiteral("ann lee"));
    }
    // The numerology forms offer the years up to 2050; their readings do not depend on the year,
    // so a later date is entered there with a leap year that takes its day and month.
    const int year =
        reading == KarmicDebt || reading == KarmicLesson ? qMin(date.year(), 2000) : date.year();
    pickDate(input, QString::number(date.day()), monthNames().at(date.month() - 1),
             QString::number(year));
    clickNext(input);
    return loadedForm<DisplayForm>();
}

} // namespace

class tst_KarmicProfile : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup() { closeReadingForms(); }
    void cleanupTestCase();

    void sectionsEqualTheFiveForms_data();
    void sectionsEqualTheFiveForms();
    void nameBoxesTakeTheNumerologyForms_data();
    void nameBoxesTakeTheNumerologyForms();
    void backKeepsTheEntryAndExitShowsTheStartPanel();
    void worksByKeyboardAlone();

private:
    ScriptedDesktop m_desktop;
};

void tst_KarmicProfile::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    QApplication::setQuitOnLastWindowClosed(false);
    mainWindow();
}

void tst_KarmicProfile::init()
{
    forgetRecentPeople();
    m_desktop.messages.clear();
}

void tst_KarmicProfile::cleanupTestCase()
{
    EndProgram();
    flushDeletes();
}

void tst_KarmicProfile::sectionsEqualTheFiveForms_data()
{
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("middle");
    QTest::addColumn<QString>("last");
    QTest::addColumn<QDate>("date");
    QTest::addColumn<QString>("fullName"); // as the top of the profile shows it
    QTest::addColumn<QString>("dateText");

    // Dates inside the program's own tables (the North Node 1940 to 2009, Juno 1930 to 2012,
    // Neptune 1900 to 2024) and outside them, and names with and without karmic debt and lessons.
    // clang-format off
    QTest::newRow("1960, all three tables")           << "ann"       << "marie" << "lee"    << QDate(1960, 5, 5)   << "ANN MARIE LEE"   << "May 5, 1960";
    QTest::newRow("1935, node computed")              << "John"      << ""      << "Smith"  << QDate(1935, 3, 9)   << "JOHN SMITH"      << "March 9, 1935";
    QTest::newRow("1952, node in Aquarius")           << "Ned"       << "B"     << "Ma"     << QDate(1952, 4, 1)   << "NED B MA"        << "April 1, 1952";
    QTest::newRow("2015, node and Juno computed")     << "zoë"       << ""      << "núñez"  << QDate(2015, 11, 13) << "ZOË NÚÑEZ"       << "November 13, 2015";
    QTest::newRow("2030, all computed")               << "pat"       << ""      << "o'neil" << QDate(2030, 1, 1)   << "PAT O'NEIL"      << "January 1, 2030";
    QTest::newRow("2045, last day of a year")         << "ann"       << ""      << "lee"    << QDate(2045, 12, 31) << "ANN LEE"         << "December 31, 2045";
    QTest::newRow("1901, first year of the lists")    << "Bob"       << ""      << "Stone"  << QDate(1901, 1, 21)  << "BOB STONE"       << "January 21, 1901";
    QTest::newRow("2096, 29 February")              << "roy"       << "j"     << "lee"    << QDate(2096, 2, 29)  << "ROY J LEE"       << "February 29, 2096";
    QTest::newRow("2099")                             << "ann"       << ""      << "lee"    << QDate(2099, 6, 16)  << "ANN LEE"         << "June 16, 2099";
    QTest::newRow("every number, no lesson")          << "abcdefghi" << ""      << "lee"    << QDate(1980, 3, 16)  << "ABCDEFGHI LEE"   << "March 16, 1980";
    // clang-format on
}

void tst_KarmicProfile::sectionsEqualTheFiveForms()
{
    QFETCH(QString, first);
    QFETCH(QString, middle);
    QFETCH(QString, last);
    QFETCH(QDate, date);
    QFETCH(QString, fullName);
    QFETCH(QString, dateText);

    QList<QStringList> forms;
    QStringList formHeadings;
    for (int reading = Astrology; reading <= Spiritual; ++reading) {
        const auto *button = control<QAbstractButton>(
            mainWindow(), qPrintable(QStringLiteral("cmdSelectOption_%1").arg(reading)));
        formHeadings.append(button->text());
        DisplayForm *display = showReading(reading, first, middle, last, date);
        QVERIFY2(display, qPrintable(button->text()));
        switch (reading) {
        case Astrology:
            forms.append(
                {frameTitle(display, "fraNorthNode"), labelText(display, "lblNorthNodedesc"),
                 captioned(display, "kkk", "lblNorthSign"),
                 captioned(display, "dsds", "lblNorthKeyWord"),
                 control<QPlainTextEdit>(display, "txtNorthDesc")->toPlainText(),
                 frameTitle(display, "fraSouthNode"), labelText(display, "lblSouthNodeDesc"),
                 captioned(display, "hhh", "lblSouthSign"),
                 captioned(display, "Label5", "lblSouthKeyWord"),
                 control<QPlainTextEdit>(display, "txtSouthDesc")->toPlainText()});
            break;
        case KarmicDebt:
        case KarmicLesson:
            forms.append(shownLines(control<QPlainTextEdit>(display, "txtDisplay")));
            break;
        case Soulmate:
            forms.append({labelText(display, "Label2"),
                          captioned(display, "Label12", "lblSoulmateSign"),
                          labelText(display, "lblSignDesc")});
            break;
        case Spiritual:
            forms.append({labelText(display, "Label17"),
                          captioned(display, "Label16", "lblSpritualSign"),
                          labelText(display, "lblSignDesc")});
            break;
        }
    }

    auto *profile =
        qobject_cast<frmKarmicProfileDisplay *>(showReading(Profile, first, middle, last, date));
    QVERIFY(profile);
    QVERIFY(m_desktop.messages.isEmpty());
    const Sections sections = sectionsOf(control<QTextBrowser>(profile, "txtProfile")->document());
    QCOMPARE(sections.top, QStringList({fullName, QStringLiteral("Date Of Birth: ") + dateText}));
    QCOMPARE(sections.headings, formHeadings);
    for (qsizetype i = 0; i < forms.size(); ++i) {
        QVERIFY2(!forms.at(i).contains(QString()), qPrintable(formHeadings.at(i)));
        QCOMPARE(sections.bodies.at(i), forms.at(i));
    }
}

void tst_KarmicProfile::nameBoxesTakeTheNumerologyForms_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");
    // clang-format off
    QTest::newRow("small letters")          << "ann"      << "ANN";
    QTest::newRow("digits and punctuation") << "a1-.b Z7" << "A1-.B Z7";
    QTest::newRow("accents")                << "zoë"      << "ZOË";
    // clang-format on
}

// The name boxes keep every key, with small letters made capitals, and say nothing.
void tst_KarmicProfile::nameBoxesTakeTheNumerologyForms()
{
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    InputForm *form = openInputForm(Profile);
    for (const char *name : {"txtFirstName", "txtMiddleName", "txtLastName"}) {
        auto *box = control<QLineEdit>(form, name);
        typeName(box, typed);
        QCOMPARE(box->text(), shown);
    }
    QVERIFY(m_desktop.messages.isEmpty());
}

void tst_KarmicProfile::backKeepsTheEntryAndExitShowsTheStartPanel()
{
    auto *display = qobject_cast<frmKarmicProfileDisplay *>(
        showReading(Profile, "ann", "", "lee", QDate(1960, 5, 5)));
    QVERIFY(display);
    QCOMPARE(display->windowTitle(), QStringLiteral("Lumo Karmic Profile"));
    QVERIFY(!startPanelVisible());

    QTest::mouseClick(button(display, "cmdBack"), Qt::LeftButton);
    flushDeletes();
    QVERIFY(!loadedForm<frmKarmicProfileDisplay>());
    auto *input = loadedForm<InputForm>("frmKarmicProfileMain");
    QVERIFY(input && input->isFormVisible());
    QCOMPARE(control<QLineEdit>(input, "txtFirstName")->text(), QStringLiteral("ANN"));
    QCOMPARE(control<QComboBox>(input, "cboYear")->currentText(), QStringLiteral("1960"));

    clickNext(input);
    display = loadedForm<frmKarmicProfileDisplay>();
    QVERIFY(display && display->isFormVisible());
    QTest::mouseClick(button(display, "cmdExit"), Qt::LeftButton);
    flushDeletes();
    QVERIFY(!loadedForm<frmKarmicProfileDisplay>());
    QVERIFY(startPanelVisible());
}

// Tab moves through the entry, Enter shows the profile, the keys scroll it and Alt+B goes back.
void tst_KarmicProfile::worksByKeyboardAlone()
{
    InputForm *input = openInputForm(Profile);
    QTRY_COMPARE(QApplication::focusWidget(), control<QWidget>(input, "txtFirstName"));
    const auto type = [](const QString &text) {
        QTest::keyClicks(QApplication::focusWidget(), text);
    };
    const auto key = [](Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::keyClick(QApplication::focusWidget(), key, modifiers);
    };
    type("ann");
    key(Qt::Key_Tab);
    key(Qt::Key_Tab);
    type("lee");
    key(Qt::Key_Tab); // the month
    key(Qt::Key_Down);
    key(Qt::Key_Tab); // the day: 31, then back to 28
    key(Qt::Key_End);
    for (int i = 0; i < 3; ++i)
        key(Qt::Key_Up);
    key(Qt::Key_Tab); // the year
    key(Qt::Key_Down);
    key(Qt::Key_Return);

    auto *display = loadedForm<frmKarmicProfileDisplay>();
    QVERIFY(display && display->isFormVisible());
    QCOMPARE(display->profile().person, (Person{"ANN", "", "LEE", QDate(1901, 2, 28)}));
    auto *profile = control<QTextBrowser>(display, "txtProfile");
    QTRY_COMPARE(QApplication::focusWidget(), profile);
    QCOMPARE(profile->verticalScrollBar()->value(), 0);
    key(Qt::Key_PageDown);
    QVERIFY(profile->verticalScrollBar()->value() > 0);

    key(Qt::Key_B, Qt::AltModifier); // a button's mnemonic clicks it a moment later
    QTRY_VERIFY(!loadedForm<frmKarmicProfileDisplay>());
    QVERIFY(input->isFormVisible());
}

QTEST_MAIN(tst_KarmicProfile)
#include "tst_karmicprofile.moc"
