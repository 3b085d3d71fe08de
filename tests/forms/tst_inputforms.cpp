#include "forms/formbody.h"
#include "support/readingfixture.h"
#include "support/scripteddesktop.h"
#include "support/textentry.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QScrollBar>
#include <QStandardPaths>
#include <QWheelEvent>

using namespace Lumo;
using namespace Lumo::Testing;
using namespace Lumo::Testing::FormsFixture;

class tst_InputForms : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();
    void cleanupTestCase();

    void freshFormShowsItsListsAndCaptions_data();
    void freshFormShowsItsListsAndCaptions();
    void validateEntry_data();
    void validateEntry();
    void singleNameBoxTakesLettersOnly_data();
    void singleNameBoxTakesLettersOnly();
    void nameBoxesTakeEveryRouteAsTyping_data();
    void nameBoxesTakeEveryRouteAsTyping();
    void numerologyNameBoxesOnlyUpperCase_data();
    void numerologyNameBoxesOnlyUpperCase();
    void tabOrder_data();
    void tabOrder();
    void everyFieldHasItsLabel_data();
    void everyFieldHasItsLabel();
    void fileMenuNextRunsNext_data();
    void fileMenuNextRunsNext();
    void enterPressesNext_data();
    void enterPressesNext();
    void exitUnloadsAndShowsStartPanel_data();
    void exitUnloadsAndShowsStartPanel();
    void focusedControlScrollsIntoView_data();
    void focusedControlScrollsIntoView();
    void wheelOverAListScrollsTheFormUnlessTheListHasFocus_data();
    void wheelOverAListScrollsTheFormUnlessTheListHasFocus();

private:
    FormBody *openSqueezedForm(int reading);

    ScriptedDesktop m_desktop;
};

static QStringList itemTexts(const QComboBox *list)
{
    QStringList texts;
    for (int i = 0; i < list->count(); ++i)
        texts.append(list->itemText(i));
    return texts;
}

static QStringList numbers(int first, int last)
{
    QStringList texts;
    for (int n = first; n <= last; ++n)
        texts.append(QString::number(n));
    return texts;
}

void tst_InputForms::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    QApplication::setQuitOnLastWindowClosed(false);
    mainWindow();
}

void tst_InputForms::init()
{
    m_desktop.messages.clear();
}

void tst_InputForms::cleanup()
{
    closeReadingForms();
}

void tst_InputForms::cleanupTestCase()
{
    EndProgram();
    flushDeletes();
}

void tst_InputForms::freshFormShowsItsListsAndCaptions_data()
{
    QTest::addColumn<int>("reading");
    QTest::addColumn<QString>("formName");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("nextCaption");
    QTest::addColumn<QString>("exitCaption");
    QTest::addColumn<int>("firstYear");
    QTest::addColumn<int>("lastYear");

    // clang-format off
    QTest::newRow("Karmic Astrology")      << int(Astrology)    << "frmKarmicAstrologyMain"     << "Lumo Karmic Astrology"      << "Get My &Karmic Astrology Interpretation" << "&Exit" << 1900 << 2100;
    QTest::newRow("Karmic Debt Number")    << int(KarmicDebt)   << "frmKarmicDebtNumberMain"    << "Lumo Karmic Debt Number"    << "&Next" << "E&xit" << 1900 << 2050;
    QTest::newRow("Karmic Lesson Number")  << int(KarmicLesson) << "frmKarmicLessonNumberMain"  << "Lumo Karmic Lesson Number"  << "&Next" << "E&xit" << 1900 << 2050;
    QTest::newRow("Zodiac Soulmate Sign")  << int(Soulmate)     << "frmZodiacSoulmateSignMain"  << "Lumo Zodiac Soulmate Sign"  << "Find My Zodiac &Soulmate Sign" << "&Exit" << 1900 << 2100;
    QTest::newRow("Zodiac Spiritual Sign") << int(Spiritual)    << "frmZodiacSpiritualSignMain" << "Lumo Zodiac Spiritual Sign" << "Find My Zodiac &Spiritual Sign" << "&Exit" << 1900 << 2100;
    // clang-format on
}

void tst_InputForms::freshFormShowsItsListsAndCaptions()
{
    QFETCH(int, reading);
    QFETCH(QString, formName);
    QFETCH(QString, caption);
    QFETCH(QString, nextCaption);
    QFETCH(QString, exitCaption);
    QFETCH(int, firstYear);
    QFETCH(int, lastYear);

    InputForm *form = openInputForm(reading);
    QVERIFY(form);
    QCOMPARE(form->objectName(), formName);
    QCOMPARE(form->windowTitle(), caption);
    QCOMPARE(button(form, "cmdNext")->text(), nextCaption);
    QCOMPARE(button(form, "cmdExit")->text(), exitCaption);

    QCOMPARE(itemTexts(control<QComboBox>(form, "cboDate")), numbers(1, 31));
    QCOMPARE(itemTexts(control<QComboBox>(form, "cboMonth")),
             QStringList({"January", "February", "March", "April", "May", "June", "July", "August",
                          "September", "October", "November", "December"}));
    QCOMPARE(itemTexts(control<QComboBox>(form, "cboYear")), numbers(firstYear, lastYear));
    QCOMPARE(control<QComboBox>(form, "cboDate")->currentText(), QString("1"));
    QCOMPARE(control<QComboBox>(form, "cboMonth")->currentText(), QString("January"));
    QCOMPARE(control<QComboBox>(form, "cboYear")->currentText(), QString::number(firstYear));
    for (const QComboBox *list :
         {control<QComboBox>(form, "cboDate"), control<QComboBox>(form, "cboMonth"),
          control<QComboBox>(form, "cboYear")})
        QVERIFY2(!list->isEditable(), qPrintable(list->objectName()));

    const QList<QLineEdit *> nameBoxes = {
        control<QLineEdit>(form, "txtName"), control<QLineEdit>(form, "txtFirstName"),
        control<QLineEdit>(form, "txtMiddleName"), control<QLineEdit>(form, "txtLastName")};
    for (const QLineEdit *box : nameBoxes) {
        if (box)
            QVERIFY2(box->text().isEmpty(), qPrintable(box->objectName()));
    }
    QCOMPARE(control<QLineEdit>(form, "txtName") == nullptr, hasNameBoxes(reading));

    // Opened in the workspace, horizontally centred, at its top; the start panel is hidden.
    QVERIFY(form->isFormVisible());
    QVERIFY(!startPanelVisible());
    const QWidget *frame = form->frame();
    const int areaWidth = mainWindow()->workspace()->viewport()->width();
    QCOMPARE(frame->y(), 0);
    QCOMPARE(frame->x(), qMax(0, (areaWidth - frame->width()) / 2));
}

void tst_InputForms::validateEntry_data()
{
    QTest::addColumn<int>("reading");
    QTest::addColumn<QString>("firstName"); // the only name on single-name forms
    QTest::addColumn<QString>("lastName");
    QTest::addColumn<QString>("day"); // an empty text leaves the list without a selection
    QTest::addColumn<QString>("month");
    QTest::addColumn<QString>("year");
    QTest::addColumn<QString>("message"); // empty: the entry is accepted
    QTest::addColumn<QString>("focus");   // where the focus goes; cmdNext when it stays

    const QString stays = "cmdNext";
    const QString febOrMonth = "Please Enter Correct Date Or Month!";
    const QString thirtyFirstOrMonth = "Please Enter Correct Date Or Month !";

    // A name of only spaces is no name.
    // clang-format off
    const std::tuple<const char *, int, const char *> singleNameForms[]{
        {"astrology", Astrology, "1940"},
        {"soulmate",  Soulmate,  "1930"},
        {"spiritual", Spiritual, "1900"}};
    // clang-format on
    for (const auto &[label, form, year] : singleNameForms) {
        // clang-format off
        QTest::addRow("%s: name of spaces", label) << form << "   " << "" << "1" << "January" << year << "Please Enter Your Name" << "txtName";
        // clang-format on
    }
    // clang-format off
    QTest::newRow("lesson: first name of spaces")            << int(KarmicLesson) << "   " << "LEE" << "1"  << "January"   << "1900" << "Please Enter Your First Name" << "txtFirstName";
    QTest::newRow("debt: first and last name of spaces")     << int(KarmicDebt)   << "  "  << " "   << "1"  << "January"   << "1900" << "Please Enter Your First Name" << "txtFirstName";
    QTest::newRow("lesson: last name of spaces")             << int(KarmicLesson) << "ANN" << "  "  << "1"  << "January"   << "1900" << "Please Enter Your Last Name" << "txtLastName";

    QTest::newRow("debt: no first and no last name")         << int(KarmicDebt)   << ""    << ""    << "1"  << "January"   << "1900" << "Please Enter Your First Name" << "txtFirstName";
    QTest::newRow("lesson: no last name")                    << int(KarmicLesson) << "ANN" << ""    << "1"  << "January"   << "1900" << "Please Enter Your Last Name" << "txtLastName";
    QTest::newRow("debt: no day and no month")               << int(KarmicDebt)   << "ANN" << "LEE" << ""   << ""          << "1900" << "Please Specify Your Birth Date" << "cboDate";
    QTest::newRow("lesson: no month")                        << int(KarmicLesson) << "ANN" << "LEE" << "1"  << ""          << "1900" << "Please Specify Your Birth Month" << "cboMonth";
    QTest::newRow("debt: no year")                           << int(KarmicDebt)   << "ANN" << "LEE" << "1"  << "January"   << ""     << "Please Specify Your Birth Year" << "cboYear";
    QTest::newRow("debt: names padded with spaces")          << int(KarmicDebt)   << " ANN" << "LEE " << "1"  << "January"   << "1900" << "" << "";
    QTest::newRow("debt: 29 February 1900")                  << int(KarmicDebt)   << "ANN" << "LEE" << "29" << "February"  << "1900" << febOrMonth << stays;
    QTest::newRow("lesson: 29 February 2000")                << int(KarmicLesson) << "ANN" << "LEE" << "29" << "February"  << "2000" << "" << "";
    QTest::newRow("lesson: 31 September 2050")               << int(KarmicLesson) << "ANN" << "LEE" << "31" << "September" << "2050" << thirtyFirstOrMonth << stays;
    QTest::newRow("debt: 31 December 2050")                  << int(KarmicDebt)   << "ANN" << "LEE" << "31" << "December"  << "2050" << "" << "";

    QTest::newRow("astrology: no name")                      << int(Astrology)    << ""    << ""    << "1"  << "January"   << "1940" << "Please Enter Your Name" << "txtName";
    QTest::newRow("astrology: no name and 29 February 1941") << int(Astrology)    << ""    << ""    << "29" << "February"  << "1941" << "Please Enter Your Name" << "txtName";
    QTest::newRow("astrology: 29 February 1941")             << int(Astrology)    << "ANN" << ""    << "29" << "February"  << "1941" << "Please Enter Correct Date Of Birth !" << "cboDate";
    QTest::newRow("astrology: 31 June 1960")                 << int(Astrology)    << "ANN" << ""    << "31" << "June"      << "1960" << "Please Enter Correct Date of Birth !" << stays;
    QTest::newRow("astrology: 29 February 1940")             << int(Astrology)    << "ANN" << ""    << "29" << "February"  << "1940" << "" << "";
    QTest::newRow("soulmate: no name")                       << int(Soulmate)     << ""    << ""    << "1"  << "January"   << "1930" << "Please Enter Your Name" << "txtName";
    QTest::newRow("soulmate: 30 February 2000")              << int(Soulmate)     << "ANN" << ""    << "30" << "February"  << "2000" << febOrMonth << stays;
    QTest::newRow("soulmate: 31 April 1930")                 << int(Soulmate)     << "ANN" << ""    << "31" << "April"     << "1930" << thirtyFirstOrMonth << stays;
    QTest::newRow("soulmate: 31 March 2012")                 << int(Soulmate)     << "ANN" << ""    << "31" << "March"     << "2012" << "" << "";
    QTest::newRow("spiritual: no name")                      << int(Spiritual)    << ""    << ""    << "1"  << "January"   << "1900" << "Please Enter Your Name" << "txtName";
    QTest::newRow("spiritual: 29 February 1900")             << int(Spiritual)    << "ANN" << ""    << "29" << "February"  << "1900" << febOrMonth << stays;
    QTest::newRow("spiritual: 29 February 2024")             << int(Spiritual)    << "ANN" << ""    << "29" << "February"  << "2024" << "" << "";
    QTest::newRow("spiritual: 31 November 1999")             << int(Spiritual)    << "ANN" << ""    << "31" << "November"  << "1999" << thirtyFirstOrMonth << stays;
    // clang-format on
}

void tst_InputForms::validateEntry()
{
    QFETCH(int, reading);
    QFETCH(QString, firstName);
    QFETCH(QString, lastName);
    QFETCH(QString, day);
    QFETCH(QString, month);
    QFETCH(QString, year);
    QFETCH(QString, message);
    QFETCH(QString, focus);

    InputForm *form = openInputForm(reading);
    enterName(form, firstName, lastName);
    pickDate(form, day, month, year);
    m_desktop.messages.clear();

    clickNext(form);

    if (message.isEmpty()) {
        QCOMPARE(m_desktop.messageTexts(), QStringList());
        QVERIFY(!form->isFormVisible());
        DisplayForm *display = loadedForm<DisplayForm>();
        QVERIFY(display);
        QVERIFY(display->isFormVisible());
        QVERIFY(!startPanelVisible());
        return;
    }

    QCOMPARE(m_desktop.messageTexts(), QStringList(message));
    QCOMPARE(m_desktop.messages.first().icon, QMessageBox::Information);
    QCOMPARE(m_desktop.messages.first().buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
    QVERIFY(QApplication::focusWidget());
    QCOMPARE(QApplication::focusWidget()->objectName(), focus);
    QVERIFY(form->isFormVisible());
    QVERIFY(!loadedForm<DisplayForm>());
    QCOMPARE(control<QComboBox>(form, "cboDate")->currentText(), day);
}

void tst_InputForms::singleNameBoxTakesLettersOnly_data()
{
    QTest::addColumn<int>("reading");
    // clang-format off
    QTest::newRow("Karmic Astrology")      << int(Astrology);
    QTest::newRow("Zodiac Soulmate Sign")  << int(Soulmate);
    QTest::newRow("Zodiac Spiritual Sign") << int(Spiritual);
    // clang-format on
}

void tst_InputForms::singleNameBoxTakesLettersOnly()
{
    QFETCH(int, reading);
    InputForm *form = openInputForm(reading);
    QLineEdit *box = control<QLineEdit>(form, "txtName");
    QVERIFY(box);
    box->setFocus();
    m_desktop.messages.clear();

    QTest::keyClicks(box, "ann Lee");
    QCOMPARE(box->text(), QString("ANN LEE"));
    QVERIFY(m_desktop.messages.isEmpty());

    QTest::keyClick(box, '7');
    QCOMPARE(box->text(), QString("ANN LEE"));
    QCOMPARE(m_desktop.messageTexts(), QStringList("Please Enter only Letters"));
    QCOMPARE(m_desktop.messages.first().icon, QMessageBox::Information);
    QCOMPARE(m_desktop.messages.first().buttons, QMessageBox::StandardButtons(QMessageBox::Ok));

    QTest::keyClicks(box, "-.'");
    QCOMPARE(box->text(), QString("ANN LEE"));
    QCOMPARE(m_desktop.messages.size(), 4);

    m_desktop.messages.clear();
    QTest::keyClick(box, Qt::Key_Backspace);
    QTest::keyClick(box, Qt::Key_Return);
    QCOMPARE(box->text(), QString("ANN LE"));
    QVERIFY(m_desktop.messages.isEmpty());
}

void tst_InputForms::nameBoxesTakeEveryRouteAsTyping_data()
{
    QTest::addColumn<TextRoute>("route");
    QTest::addColumn<int>("reading");
    QTest::addColumn<QString>("entered");
    QTest::addColumn<QString>("expected"); // after "ANN " was typed
    QTest::addColumn<bool>("refused");

    for (TextRoute route : {TextRoute::Paste, TextRoute::Drop, TextRoute::InputMethod}) {
        const auto row = [route](const char *what) -> QTestData & {
            return QTest::addRow("%s, %s", routeName(route), what) << route;
        };
        // clang-format off
        row("single name, small letters") << int(Astrology)    << "lee"      << "ANN LEE"      << false;
        row("single name, accent")        << int(Soulmate)     << "Zoë"      << "ANN "         << true;
        row("single name, digits")        << int(Spiritual)    << "7 up"     << "ANN "         << true;
        row("numerology, accent")         << int(KarmicDebt)   << "zoë"      << "ANN ZOË"      << false;
        row("numerology, punctuation")    << int(KarmicLesson) << "o'neil-2" << "ANN O'NEIL-2" << false;
        // clang-format on
    }
}

// Text that is pasted, dropped or committed by an input method gives the result typing would.
void tst_InputForms::nameBoxesTakeEveryRouteAsTyping()
{
    QFETCH(int, reading);
    QFETCH(TextRoute, route);
    QFETCH(QString, entered);
    QFETCH(QString, expected);
    QFETCH(bool, refused);

    InputForm *form = openInputForm(reading);
    QLineEdit *box = control<QLineEdit>(form, "txtName") ? control<QLineEdit>(form, "txtName")
                                                         : control<QLineEdit>(form, "txtFirstName");
    box->setFocus();
    QTest::keyClicks(box, "ann ");
    m_desktop.messages.clear();

    enterText(box, route, entered);

    QCOMPARE(box->text(), expected);
    QCOMPARE(m_desktop.messageTexts(),
             refused ? QStringList("Please Enter only Letters") : QStringList());
    if (!refused)
        QCOMPARE(box->cursorPosition(), expected.size());
}

void tst_InputForms::numerologyNameBoxesOnlyUpperCase_data()
{
    QTest::addColumn<int>("reading");
    QTest::addColumn<QString>("boxName");
    for (int reading : {KarmicDebt, KarmicLesson}) {
        for (const char *box : {"txtFirstName", "txtMiddleName", "txtLastName"}) {
            const QString row = QStringLiteral("%1 %2")
                                    .arg(reading == KarmicDebt ? "debt" : "lesson")
                                    .arg(QLatin1String(box));
            QTest::newRow(qPrintable(row)) << reading << QString(box);
        }
    }
}

void tst_InputForms::numerologyNameBoxesOnlyUpperCase()
{
    QFETCH(int, reading);
    QFETCH(QString, boxName);
    InputForm *form = openInputForm(reading);
    auto *box = form->findChild<QLineEdit *>(boxName);
    QVERIFY(box);
    box->setFocus();
    m_desktop.messages.clear();

    QTest::keyClicks(box, "a1-.b Z7");
    QTest::keyClick(box, Qt::Key_Backspace);

    QCOMPARE(box->text(), QString("A1-.B Z"));
    QVERIFY(m_desktop.messages.isEmpty());
}

void tst_InputForms::tabOrder_data()
{
    QTest::addColumn<int>("reading");
    QTest::addColumn<QStringList>("order");
    const QStringList singleName = {"txtName", "cboDate", "cboMonth",
                                    "cboYear", "cmdNext", "cmdExit"};
    const QStringList numerology = {"txtFirstName", "txtMiddleName", "txtLastName", "cboMonth",
                                    "cboDate",      "cboYear",       "cmdNext",     "cmdExit"};
    // clang-format off
    QTest::newRow("Karmic Astrology")      << int(Astrology)    << singleName;
    QTest::newRow("Karmic Debt Number")    << int(KarmicDebt)   << numerology;
    QTest::newRow("Karmic Lesson Number")  << int(KarmicLesson) << numerology;
    QTest::newRow("Zodiac Soulmate Sign")  << int(Soulmate)     << singleName;
    QTest::newRow("Zodiac Spiritual Sign") << int(Spiritual)    << singleName;
    // clang-format on
}

void tst_InputForms::tabOrder()
{
    QFETCH(int, reading);
    QFETCH(QStringList, order);
    InputForm *form = openInputForm(reading);
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

void tst_InputForms::everyFieldHasItsLabel_data()
{
    tabOrder_data();
}

// Each field is the buddy of its label, so the label's mnemonic and screen readers reach it.
void tst_InputForms::everyFieldHasItsLabel()
{
    QFETCH(int, reading);
    QFETCH(QStringList, order);
    InputForm *form = openInputForm(reading);

    QStringList buddies;
    for (const QLabel *label : form->findChildren<QLabel *>()) {
        if (label->buddy())
            buddies.append(label->buddy()->objectName());
    }
    for (const QString &field : order) {
        if (!field.startsWith("cmd"))
            QVERIFY2(buddies.count(field) == 1, qPrintable(field));
    }
}

void tst_InputForms::fileMenuNextRunsNext_data()
{
    QTest::addColumn<int>("reading");
    QTest::addColumn<QString>("menuName");
    QTest::addColumn<QString>("itemName");
    // clang-format off
    QTest::newRow("Karmic Astrology")      << int(Astrology)    << "mnuFile" << "mnuNext";
    QTest::newRow("Karmic Debt Number")    << int(KarmicDebt)   << "nuFile"  << "mnuNext";
    QTest::newRow("Karmic Lesson Number")  << int(KarmicLesson) << "nuFile"  << "mnuNext";
    QTest::newRow("Zodiac Soulmate Sign")  << int(Soulmate)     << "mnuFile" << "mnuFindSoulmateSign";
    QTest::newRow("Zodiac Spiritual Sign") << int(Spiritual)    << "mnuFile" << "mnuFindMySpritualSgn";
    // clang-format on
}

void tst_InputForms::fileMenuNextRunsNext()
{
    QFETCH(int, reading);
    QFETCH(QString, menuName);
    QFETCH(QString, itemName);
    InputForm *form = openInputForm(reading);
    auto *menu = form->findChild<QMenu *>(menuName);
    QVERIFY(menu);
    QCOMPARE(menu->title(), QString("&File"));
    QAction *next = form->findChild<QAction *>(itemName);
    QVERIFY(next && menu->actions().contains(next));

    next->trigger(); // an empty name is refused
    QCOMPARE(m_desktop.messages.size(), 1);
    QVERIFY(!loadedForm<DisplayForm>());

    enterName(form, "ANN", "LEE");
    next->trigger();
    flushDeletes();
    QVERIFY(!form->isFormVisible());
    QVERIFY(loadedForm<DisplayForm>() && loadedForm<DisplayForm>()->isFormVisible());
}

// Next is the default button: Enter in a name box or a list runs it, as clicking it does; Enter
// on another button presses that button.
void tst_InputForms::enterPressesNext_data()
{
    QTest::addColumn<int>("reading");
    QTest::addColumn<QString>("field");
    QTest::addColumn<bool>("opensReading");
    // clang-format off
    QTest::newRow("astrology, name box")    << int(Astrology)    << "txtName"     << true;
    QTest::newRow("astrology, year list")   << int(Astrology)    << "cboYear"     << true;
    QTest::newRow("debt, last name box")    << int(KarmicDebt)   << "txtLastName" << true;
    QTest::newRow("lesson, month list")     << int(KarmicLesson) << "cboMonth"    << true;
    QTest::newRow("soulmate, name box")     << int(Soulmate)     << "txtName"     << true;
    QTest::newRow("spiritual, day list")    << int(Spiritual)    << "cboDate"     << true;
    QTest::newRow("astrology, Exit button") << int(Astrology)    << "cmdExit"     << false;
    // clang-format on
}

void tst_InputForms::enterPressesNext()
{
    QFETCH(int, reading);
    QFETCH(QString, field);
    QFETCH(bool, opensReading);
    QPointer<InputForm> form = openInputForm(reading);
    QVERIFY(button(form, "cmdNext")->isDefault());
    auto *target = form->findChild<QWidget *>(field);
    QVERIFY(target);
    target->setFocus();

    QTest::keyClick(target, Qt::Key_Return); // an empty name is refused, as by Next
    QCOMPARE(m_desktop.messages.size(), opensReading ? 1 : 0);
    if (!opensReading) {
        flushDeletes();
        QVERIFY(form.isNull()); // Exit pressed
        return;
    }

    enterName(form, "ANN", "LEE");
    QTest::keyClick(target, Qt::Key_Enter, Qt::KeypadModifier);
    flushDeletes();
    QVERIFY(!form->isFormVisible());
    QVERIFY(loadedForm<DisplayForm>() && loadedForm<DisplayForm>()->isFormVisible());
}

void tst_InputForms::exitUnloadsAndShowsStartPanel_data()
{
    QTest::addColumn<int>("reading");
    QTest::addColumn<QString>("way");
    const char *readings[] = {"astrology", "debt", "lesson", "soulmate", "spiritual"};
    for (int reading = Astrology; reading <= Spiritual; ++reading) {
        for (const char *way : {"cmdExit", "mnuExit", "close box"}) {
            QTest::addRow("%s %s", readings[reading], way) << reading << QString(way);
        }
    }
}

void tst_InputForms::exitUnloadsAndShowsStartPanel()
{
    QFETCH(int, reading);
    QFETCH(QString, way);
    QPointer<InputForm> form = openInputForm(reading);
    QVERIFY(!startPanelVisible());

    if (way == "cmdExit")
        QTest::mouseClick(button(form, way), Qt::LeftButton);
    else if (way == "mnuExit")
        form->findChild<QAction *>(way)->trigger();
    else
        QVERIFY(form->frame()->close());
    flushDeletes();

    QVERIFY(form.isNull());
    QVERIFY(readingForms().isEmpty());
    QVERIFY(startPanelVisible());
    QVERIFY(mainWindow()->workspace()->subWindowList().isEmpty());
}

QTEST_MAIN(tst_InputForms)
// The reading's input form in a main window at its smallest, so that the form's top part scrolls.
FormBody *tst_InputForms::openSqueezedForm(int reading)
{
    frmMDI *main = mainWindow();
    main->showNormal();
    main->resize(main->minimumSize());
    InputForm *form = openInputForm(reading);
    auto *body = form ? form->findChild<FormBody *>() : nullptr;
    if (!body || !QTest::qWaitFor([body] { return body->verticalScrollBar()->maximum() > 0; }))
        return nullptr;
    body->verticalScrollBar()->setValue(0);
    return body;
}

static bool isInView(FormBody *body, QWidget *control)
{
    const QRect rect(control->mapTo(body->viewport(), QPoint(0, 0)), control->size());
    return body->viewport()->rect().contains(rect);
}

void tst_InputForms::focusedControlScrollsIntoView_data()
{
    QTest::addColumn<int>("reading");
    QTest::addColumn<bool>("byTab");

    for (int reading : {Astrology, KarmicDebt}) {
        QTest::addRow("reading %d, Tab", reading) << reading << true;
        QTest::addRow("reading %d, programmatic", reading) << reading << false;
    }
}

// The lowest control of the squeezed form's top part, out of view, gets the focus.
void tst_InputForms::focusedControlScrollsIntoView()
{
    QFETCH(int, reading);
    QFETCH(bool, byTab);
    FormBody *body = openSqueezedForm(reading);
    QVERIFY(body);

    QList<QWidget *> controls;
    for (QWidget *child : body->widget()->findChildren<QWidget *>()) {
        if (child->isVisibleTo(body) && child->focusPolicy() & Qt::TabFocus)
            controls.append(child);
    }
    QVERIFY(!controls.isEmpty());
    const auto yOf = [body](QWidget *w) { return w->mapTo(body->widget(), QPoint(0, 0)).y(); };
    QWidget *lowest = *std::max_element(controls.cbegin(), controls.cend(),
                                        [&](QWidget *a, QWidget *b) { return yOf(a) < yOf(b); });
    QVERIFY2(!isInView(body, lowest), "nothing lies out of view");

    if (byTab) {
        lowest->previousInFocusChain()->setFocus(Qt::OtherFocusReason);
        body->verticalScrollBar()->setValue(0);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    } else {
        lowest->setFocus(Qt::OtherFocusReason);
    }
    QTRY_COMPARE(QApplication::focusWidget(), lowest);
    QTRY_VERIFY(isInView(body, lowest));
}

void tst_InputForms::wheelOverAListScrollsTheFormUnlessTheListHasFocus_data()
{
    QTest::addColumn<int>("reading");
    QTest::addColumn<bool>("focused");

    for (int reading : {Astrology, KarmicDebt}) {
        QTest::addRow("reading %d, list without focus", reading) << reading << false;
        QTest::addRow("reading %d, focused list", reading) << reading << true;
    }
}

void tst_InputForms::wheelOverAListScrollsTheFormUnlessTheListHasFocus()
{
    QFETCH(int, reading);
    QFETCH(bool, focused);
    FormBody *body = openSqueezedForm(reading);
    QVERIFY(body);
    auto *list = body->widget()->findChild<QComboBox *>();
    QVERIFY(list);
    list->setCurrentIndex(list->count() / 2);
    if (focused)
        list->setFocus(Qt::OtherFocusReason);
    else
        body->window()->setFocus(Qt::OtherFocusReason);
    QScrollBar *scroll = body->verticalScrollBar();
    scroll->setValue(0);
    const int index = list->currentIndex();

    // One notch down with the pointer over the list, delivered as the application delivers it.
    const QPoint centre = list->rect().center();
    QWheelEvent notch(centre, list->mapToGlobal(centre), QPoint(), QPoint(0, -120), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(list, &notch);

    if (focused) {
        QCOMPARE(list->currentIndex(), index + 1);
    } else {
        QCOMPARE(list->currentIndex(), index);
        QVERIFY(scroll->value() > 0);
        QVERIFY(!list->hasFocus());
    }
}

#include "tst_inputforms.moc"
