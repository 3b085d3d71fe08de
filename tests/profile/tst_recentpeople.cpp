#include "profile/frmkarmicprofiledisplay.h"
#include "profile/recentpeople.h"
#include "support/readingfixture.h"
#include "support/scripteddesktop.h"

#include <QAbstractItemView>
#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QSettings>
#include <QTest>

using namespace Lumo;
using namespace Lumo::Testing;
using namespace Lumo::Testing::FormsFixture;

namespace {

QStringList itemTexts(const QComboBox *list)
{
    QStringList texts;
    for (int i = 0; i < list->count(); ++i)
        texts.append(list->itemText(i));
    return texts;
}

QComboBox *recentList(QWidget *form)
{
    return control<QComboBox>(form, "cboRecent");
}

// Shows the profile of a person through the input form, then goes back to the form.
void showProfile(InputForm *form, const QString &first, const QString &last, const QString &day,
                 const QString &month, const QString &year)
{
    ReadingFixture::typeName(control<QLineEdit>(form, "txtFirstName"), first);
    control<QLineEdit>(form, "txtMiddleName")->clear();
    ReadingFixture::typeName(control<QLineEdit>(form, "txtLastName"), last);
    pickDate(form, day, month, year);
    clickNext(form);
    if (auto *display = loadedForm<frmKarmicProfileDisplay>()) {
        display->cmdBack_Click();
        flushDeletes();
    }
}

QString settingsFile()
{
    return QSettings().fileName();
}

// Replaces the settings file with the text, as an editor or a broken disk would leave it.
void writeSettingsFile(const QByteArray &text)
{
    QFile file(settingsFile());
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(file.write(text), text.size());
}

QByteArray readSettingsFile()
{
    QFile file(settingsFile());
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// An entry of the list as the settings file holds it, numbered from 1.
QByteArray entry(int number, const QByteArray &first, const QByteArray &middle,
                 const QByteArray &last, const QByteArray &date)
{
    const QByteArray prefix = "RecentPeople\\" + QByteArray::number(number) + '\\';
    return prefix + "BirthDate=" + date + '\n' + prefix + "FirstName=" + first + '\n' + prefix +
           "LastName=" + last + '\n' + prefix + "MiddleName=" + middle + '\n';
}

} // namespace

class tst_RecentPeople : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup() { closeReadingForms(); }
    void cleanupTestCase();

    void keepsTheLastTenMostRecentFirst();
    void choosingOneFillsTheForm();
    void forgetEmptiesTheList();
    void aNameWithALineBreakIsShownButNotKept();
    void survivesARestart();
    void damagedListShowsNoOneItCannotShow_data();
    void damagedListShowsNoOneItCannotShow();
    void reachedByTab_data();
    void reachedByTab();

private:
    ScriptedDesktop m_desktop;
};

void tst_RecentPeople::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    QApplication::setQuitOnLastWindowClosed(false);
    mainWindow();
}

void tst_RecentPeople::init()
{
    forgetRecentPeople();
    m_desktop.messages.clear();
    // A list's popup, once closed, can leave no window active behind it.
    mainWindow()->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(mainWindow()));
}

void tst_RecentPeople::cleanupTestCase()
{
    forgetRecentPeople();
    EndProgram();
    flushDeletes();
}

void tst_RecentPeople::keepsTheLastTenMostRecentFirst()
{
    InputForm *form = openInputForm(Profile);
    QComboBox *list = recentList(form);
    QVERIFY(!list->isEnabled());
    QCOMPARE(list->count(), 0);

    const QStringList firstNames = {"ADA", "BEA", "CY",  "DOT", "ED",  "FAY",
                                    "GUS", "HAL", "IDA", "JO",  "KAY", "LEO"};
    for (int i = 0; i < firstNames.size(); ++i)
        showProfile(form, firstNames.at(i), "LEE", QString::number(i + 1), "May", "1960");
    // A refused entry is no person shown; the same person again moves to the top.
    showProfile(form, "NOBODY", "", "1", "May", "1960");
    showProfile(form, "FAY", "LEE", "6", "May", "1960");
    QCOMPARE(m_desktop.messageTexts(), QStringList("Please Enter Your Last Name"));

    QVERIFY(list->isEnabled());
    QCOMPARE(itemTexts(list), QStringList({"FAY LEE (May 6, 1960)", "LEO LEE (May 12, 1960)",
                                           "KAY LEE (May 11, 1960)", "JO LEE (May 10, 1960)",
                                           "IDA LEE (May 9, 1960)", "HAL LEE (May 8, 1960)",
                                           "GUS LEE (May 7, 1960)", "ED LEE (May 5, 1960)",
                                           "DOT LEE (May 4, 1960)", "CY LEE (May 3, 1960)"}));
    QCOMPARE(list->currentIndex(), -1);
}

void tst_RecentPeople::choosingOneFillsTheForm()
{
    InputForm *form = openInputForm(Profile);
    showProfile(form, "ANN", "LEE", "5", "May", "1960");
    control<QLineEdit>(form, "txtMiddleName")->setText("MARIE");
    showProfile(form, "ROY", "STONE", "29", "February", "2096");
    QComboBox *list = recentList(form);
    QCOMPARE(itemTexts(list),
             QStringList({"ROY STONE (February 29, 2096)", "ANN LEE (May 5, 1960)"}));

    // The keyboard: the list takes the focus and the Down key chooses its next person.
    list->setFocus();
    QTest::keyClick(list, Qt::Key_Down);
    QTest::keyClick(list, Qt::Key_Down);
    QCOMPARE(control<QLineEdit>(form, "txtFirstName")->text(), QStringLiteral("ANN"));
    QCOMPARE(control<QLineEdit>(form, "txtMiddleName")->text(), QString());
    QCOMPARE(control<QLineEdit>(form, "txtLastName")->text(), QStringLiteral("LEE"));
    QCOMPARE(control<QComboBox>(form, "cboDate")->currentText(), QStringLiteral("5"));
    QCOMPARE(control<QComboBox>(form, "cboMonth")->currentText(), QStringLiteral("May"));
    QCOMPARE(control<QComboBox>(form, "cboYear")->currentText(), QStringLiteral("1960"));

    // The mouse: the list pops up and a click on its first person chooses it.
    list->showPopup();
    QAbstractItemView *popup = list->view();
    QTRY_VERIFY(popup->isVisible());
    const QRect first = popup->visualRect(popup->model()->index(0, 0));
    QTest::mouseClick(popup->viewport(), Qt::LeftButton, {}, first.center());
    QCOMPARE(control<QLineEdit>(form, "txtFirstName")->text(), QStringLiteral("ROY"));
    QCOMPARE(control<QComboBox>(form, "cboDate")->currentText(), QStringLiteral("29"));
    QCOMPARE(control<QComboBox>(form, "cboMonth")->currentText(), QStringLiteral("February"));
    QCOMPARE(control<QComboBox>(form, "cboYear")->currentText(), QStringLiteral("2096"));

    clickNext(form);
    auto *display = loadedForm<frmKarmicProfileDisplay>();
    QVERIFY(display);
    QCOMPARE(display->profile().person, (Person{"ROY", "", "STONE", QDate(2096, 2, 29)}));
}

void tst_RecentPeople::forgetEmptiesTheList()
{
    InputForm *form = openInputForm(Profile);
    showProfile(form, "ANN", "LEE", "5", "May", "1960");
    auto *forget = control<QAction>(form, "mnuForgetRecent");
    QVERIFY(forget && forget->isEnabled());
    QCOMPARE(forget->text(), QStringLiteral("&Forget Recent People"));
    QVERIFY(control<QMenu>(form, "mnuFile")->actions().contains(forget));

    forget->trigger();

    QCOMPARE(recentList(form)->count(), 0);
    QVERIFY(!recentList(form)->isEnabled());
    QVERIFY(!forget->isEnabled());
    QSettings().sync();
    QVERIFY(!readSettingsFile().contains("RecentPeople"));
    closeReadingForms();
    QCOMPARE(recentList(openInputForm(Profile))->count(), 0);
}

// A name pasted with a line break in it gets its profile, but the list, which could not read it
// back, does not keep it.
void tst_RecentPeople::aNameWithALineBreakIsShownButNotKept()
{
    InputForm *form = openInputForm(Profile);
    showProfile(form, "ANN", "LEE", "5", "May", "1960");
    auto *first = control<QLineEdit>(form, "txtFirstName");
    first->clear();
    first->insert(QStringLiteral("BOB") + QChar(QChar::LineSeparator) + QStringLiteral("AL"));
    clickNext(form);
    QVERIFY(loadedForm<frmKarmicProfileDisplay>());

    QCOMPARE(itemTexts(recentList(form)), QStringList("ANN LEE (May 5, 1960)"));
    closeReadingForms();
    QSettings().sync();
    QCOMPARE(itemTexts(recentList(openInputForm(Profile))), QStringList("ANN LEE (May 5, 1960)"));
}

// The list is in the settings file on disk; a new form of a later start reads it from there.
void tst_RecentPeople::survivesARestart()
{
    InputForm *form = openInputForm(Profile);
    showProfile(form, "ANN", "LEE", "5", "May", "1960");
    showProfile(form, "ZOË", "NÚÑEZ", "31", "December", "2100");
    closeReadingForms();

    QSettings().sync();
    const QByteArray saved = readSettingsFile();
    QVERIFY2(saved.contains(QStringLiteral("RecentPeople\\1\\FirstName=ZOË").toUtf8()),
             saved.constData());
    QVERIFY(saved.contains("RecentPeople\\2\\BirthDate=1960-05-05"));
    // Written back as found, with another size, so that the settings read the file anew.
    writeSettingsFile(saved + "\n");

    form = openInputForm(Profile);
    QCOMPARE(itemTexts(recentList(form)),
             QStringList({"ZOË NÚÑEZ (December 31, 2100)", "ANN LEE (May 5, 1960)"}));
}

void tst_RecentPeople::damagedListShowsNoOneItCannotShow_data()
{
    QTest::addColumn<QByteArray>("settings");
    QTest::addColumn<QStringList>("shown");

    const QByteArray ann = entry(1, "ANN", "", "LEE", "1960-05-05");
    const QString annShown = "ANN LEE (May 5, 1960)";
    const auto list = [](const QByteArray &entries, const QByteArray &size) {
        return "[Settings]\n" + entries + "RecentPeople\\size=" + size + '\n';
    };
    // clang-format off
    QTest::newRow("no such date")          << list(ann + entry(2, "BOB", "", "LEE", "1960-02-30"), "2") << QStringList(annShown);
    QTest::newRow("year before the lists") << list(ann + entry(2, "BOB", "", "LEE", "1899-12-31"), "2") << QStringList(annShown);
    QTest::newRow("year after the lists")  << list(ann + entry(2, "BOB", "", "LEE", "2101-01-01"), "2") << QStringList(annShown);
    QTest::newRow("date not a date")       << list(ann + entry(2, "BOB", "", "LEE", "yesterday"), "2")  << QStringList(annShown);
    QTest::newRow("no last name")          << list(ann + entry(2, "BOB", "", "", "1960-05-05"), "2")    << QStringList(annShown);
    QTest::newRow("first name of spaces")  << list(ann + entry(2, "\"   \"", "", "LEE", "1960-05-05"), "2") << QStringList(annShown);
    QTest::newRow("control character")     << list(ann + entry(2, "BOB\\nEVIL", "", "LEE", "1960-05-05"), "2") << QStringList(annShown);
    QTest::newRow("a list, not a name")    << list(ann + entry(2, "BOB, AL", "", "LEE", "1960-05-05"), "2") << QStringList(annShown);
    QTest::newRow("a number, not a name")  << list(ann + entry(2, "@Variant(\\0\\0\\0\\x2\\0\\0\\0\\a)", "", "LEE", "1960-05-05"), "2") << QStringList(annShown);
    QTest::newRow("an entry missing")      << list(ann, "2")                                             << QStringList(annShown);
    QTest::newRow("the same person twice") << list(ann + entry(2, "ANN", "", "LEE", "1960-05-05"), "2") << QStringList(annShown);
    QTest::newRow("size of no number")     << list(ann, "many")                                          << QStringList();
    QTest::newRow("negative size")         << list(ann, "-1")                                            << QStringList();
    QTest::newRow("names in small letters") << list(entry(1, "ann", "b", "lee", "1960-05-05"), "1")    << QStringList("ANN B LEE (May 5, 1960)");
    QTest::newRow("not a list at all")     << QByteArray("[Settings]\nRecentPeople=ANN LEE\n")          << QStringList();
    QTest::newRow("not a settings file")   << QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR\xff\xfe[[[=\\\n", 24) << QStringList();
    // clang-format on
}

// A damaged list shows each person it still holds whole and passes over the rest; the next
// person shown writes the list afresh.
void tst_RecentPeople::damagedListShowsNoOneItCannotShow()
{
    QFETCH(QByteArray, settings);
    QFETCH(QStringList, shown);
    writeSettingsFile(settings);

    InputForm *form = openInputForm(Profile);
    QCOMPARE(itemTexts(recentList(form)), shown);
    QCOMPARE(recentList(form)->isEnabled(), !shown.isEmpty());

    showProfile(form, "CY", "DOE", "1", "January", "2000");
    QVERIFY(m_desktop.messages.isEmpty());
    QCOMPARE(itemTexts(recentList(form)), QStringList("CY DOE (January 1, 2000)") + shown);
    QTRY_COMPARE(recentPeople().size(), shown.size() + 1); // once the profile has been drawn
}

void tst_RecentPeople::reachedByTab_data()
{
    QTest::addColumn<bool>("anyone");
    QTest::addColumn<QStringList>("order");
    const QStringList entry = {"txtFirstName", "txtMiddleName", "txtLastName",
                               "cboMonth",     "cboDate",       "cboYear"};
    const QStringList buttons = {"cmdNext", "cmdExit"};
    QTest::newRow("with recent people") << true << entry + QStringList("cboRecent") + buttons;
    QTest::newRow("with none, the empty list is passed over") << false << entry + buttons;
}

// The list follows the date in the Tab order and is the buddy of its caption.
void tst_RecentPeople::reachedByTab()
{
    QFETCH(bool, anyone);
    QFETCH(QStringList, order);
    if (anyone)
        rememberPerson({"ANN", "", "LEE", QDate(1960, 5, 5)});
    InputForm *form = openInputForm(Profile);
    QCOMPARE(control<QLabel>(form, "lblRecent")->text(), QStringLiteral("Recent People"));
    QCOMPARE(control<QLabel>(form, "lblRecent")->buddy(), recentList(form));

    form->findChild<QWidget *>(order.first())->setFocus();
    QStringList visited;
    for (qsizetype step = 0; step < order.size(); ++step) {
        QWidget *focused = QApplication::focusWidget();
        QVERIFY(focused);
        visited.append(focused->objectName());
        QTest::keyClick(focused, Qt::Key_Tab);
    }
    QCOMPARE(visited, order);
}

QTEST_MAIN(tst_RecentPeople)
#include "tst_recentpeople.moc"
