#include "app/frmnagscreen2.h"
#include "common/buildconfig.h"
#include "forms/linkbutton.h"
#include "support/readingfixture.h"
#include "support/scripteddesktop.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRegularExpression>
#include <QStandardPaths>

using namespace Lumo;
using namespace Lumo::Testing;
using namespace Lumo::Testing::FormsFixture;

namespace {

const QStringList InputFormNames = {"frmKarmicAstrologyMain", "frmKarmicDebtNumberMain",
                                    "frmKarmicLessonNumberMain", "frmZodiacSoulmateSignMain",
                                    "frmZodiacSpiritualSignMain"};

QWidget *control(const QString &name)
{
    return mainWindow()->findChild<QWidget *>(name);
}

QWidget *caption(int index)
{
    return control(QString("lblCaption_%1").arg(index));
}

QImage picture(QWidget *widget)
{
    return widget->grab().toImage();
}

// The caption of a control, button, label, menu or menu item.
QString captionOf(const QObject *object)
{
    if (auto *button = qobject_cast<const QAbstractButton *>(object))
        return button->text();
    if (auto *label = qobject_cast<const QLabel *>(object))
        return label->text();
    if (auto *menu = qobject_cast<const QMenu *>(object))
        return menu->title();
    if (auto *action = qobject_cast<const QAction *>(object))
        return action->text();
    return QString();
}

} // namespace

class tst_frmMDI : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();
    void cleanupTestCase();

    void controlsAndMenus_data();
    void controlsAndMenus();
    void menuBarOrder();
    void activeFormMenusStandInTheMenuBar_data();
    void activeFormMenusStandInTheMenuBar();
    void mainMenusComeBackHoweverAReadingGoes_data();
    void mainMenusComeBackHoweverAReadingGoes();
    void contentsStayCentredInTheWindow();
    void readingButtonsKeepTheDesignedArrangement();
    void openReadingLeavesOnlyTheNewInputForm_data();
    void openReadingLeavesOnlyTheNewInputForm();
    void buttonAndLabelOpenTheSameFormAtTheSamePlace_data();
    void buttonAndLabelOpenTheSameFormAtTheSamePlace();
    void introductionCaptionsAreText_data();
    void introductionCaptionsAreText();
    void readingCaptionsUnderlineWhileThePointerIsOverThem();
    void karmicProfileOpensFromEveryWayIn_data();
    void karmicProfileOpensFromEveryWayIn();
    void karmicProfileCaptionStandsUnderTheReadings();
    void ctrlDigitOpensTheReadingFromAnywhere_data();
    void ctrlDigitOpensTheReadingFromAnywhere();
    void tabFollowsTheLayout();
    void f6MovesTheFocusBetweenTheReadingAndTheWindow_data();
    void f6MovesTheFocusBetweenTheReadingAndTheWindow();
    void exitClosesTheReadingForms_data();
    void exitClosesTheReadingForms();

private:
    ScriptedDesktop m_desktop;
};

void tst_frmMDI::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    QApplication::setQuitOnLastWindowClosed(false);
    mainWindow();
}

// Qt's workspace warns when it is laid out while a sub-window of its is half destroyed.
void tst_frmMDI::init()
{
    QTest::failOnWarning(QRegularExpression(QStringLiteral("^QMdiArea::")));
}

void tst_frmMDI::cleanup()
{
    closeReadingForms();
}

void tst_frmMDI::cleanupTestCase()
{
    EndProgram();
    flushDeletes();
}

void tst_frmMDI::controlsAndMenus_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("caption"); // null: the control has no caption to check

    const QStringList readings = {"Karmic Astrology", "Karmic Debt Number", "Karmic Lesson Number",
                                  "Zodiac Soulmate Sign", "Zodiac Spiritual Sign"};
    for (int i = 0; i < 5; ++i)
        QTest::addRow("cmdSelectOption_%d", i)
            << QString("cmdSelectOption_%1").arg(i) << readings.at(i);
    const QStringList introduction = {
        "Welcome to Lumo Tessaray",
        "Welcome to Lumo Tessaray! Explore your karmic history and also your present life "
        "lessons with the help of this program thus bringing about balance, peace and joy to "
        "your life!",
        "Just input your Name and Date of Birth and get a Karmic Reading instantly!"};
    // On screen the reading labels list Astrology, Lesson, Debt, Soulmate, Spiritual.
    const QStringList captions =
        introduction + readings + QStringList("Karmic Profile: all five readings for one person");
    for (int i = 0; i < 9; ++i)
        QTest::addRow("lblCaption_%d", i) << QString("lblCaption_%1").arg(i) << captions.at(i);

    // clang-format off
    QTest::newRow("cmdMdiExit") << "cmdMdiExit" << "&Exit";
    QTest::newRow("Label7")     << "Label7"     << "Home Business Opportunity. Start your own Internet business and make money online. Get this software fully branded for your website. Click here for more details.";
    // clang-format on
    for (const char *name : {"Picture6", "lblQuennetBanner", "Picture1", "picButtonContainer",
                             "picMain", "PicCoBrand", "mdiWorkspace"})
        QTest::newRow(name) << name << QString();
    // clang-format off
    QTest::newRow("mnuFile")   << "mnuFile"   << "&File";
    QTest::newRow("mnuKarmicProfile") << "mnuKarmicProfile" << "Karmic &Profile…";
    QTest::newRow("mnuExit")   << "mnuExit"   << "E&xit";
    QTest::newRow("mnuHelp")   << "mnuHelp"   << "&Help";
    QTest::newRow("mnuOnline") << "mnuOnline" << "&Online Help";
    QTest::newRow("mnuVisit")  << "mnuVisit"  << "&Visit Us Online";
    QTest::newRow("mnuUpdate") << "mnuUpdate" << "Check for Software &Update";
    QTest::newRow("mnuAbout")  << "mnuAbout"  << "&About Software";
    QTest::newRow("mkmoney")   << "mkmoney"   << "Make Money &Online";
    // clang-format on
}

void tst_frmMDI::controlsAndMenus()
{
    QFETCH(QString, name);
    QFETCH(QString, caption);
    QCOMPARE(mainWindow()->objectName(), QString("frmMDI"));
    QCOMPARE(mainWindow()->windowTitle(), QString("Lumo Tessaray v" LUMO_PROGRAM_VERSION));

    const QList<QObject *> found = mainWindow()->findChildren<QObject *>(name);
    QCOMPARE(found.size(), 1);
    if (!caption.isNull())
        QCOMPARE(captionOf(found.first()), caption);
}

void tst_frmMDI::menuBarOrder()
{
    const auto captions = [](const QList<QAction *> &actions) {
        QStringList texts;
        for (const QAction *action : actions)
            texts.append(action->isSeparator() ? "-" : action->text());
        return texts;
    };
    QCOMPARE(captions(mainWindow()->menuBar()->actions()),
             QStringList({"&File", "&Help", "Make Money &Online"}));
    QCOMPARE(captions(mainWindow()->findChild<QMenu *>("mnuFile")->actions()),
             QStringList({"Karmic &Profile…", "-", "E&xit"}));
    QCOMPARE(captions(mainWindow()->findChild<QMenu *>("mnuHelp")->actions()),
             QStringList({"&Online Help", "&Visit Us Online", "-", "Check for Software &Update",
                          "-", "&About Software"}));
}

// The active form's own menus stand in the main window's menu bar, the only one visible; Alt+F
// opens the form's File menu, which holds the form's own items. Forms without menus leave the
// main window's menus, which come back when the form goes.
void tst_frmMDI::activeFormMenusStandInTheMenuBar_data()
{
    QTest::addColumn<int>("reading");
    QTest::addColumn<bool>("display");
    QTest::addColumn<bool>("formMenus");
    QTest::addColumn<QString>("fileMenu");
    QTest::addColumn<QString>("item");
    // clang-format off
    QTest::newRow("astrology input")          << int(Astrology)    << false << true  << "mnuFile" << "mnuNext";
    QTest::newRow("debt input")               << int(KarmicDebt)   << false << true  << "nuFile"  << "mnuNext";
    QTest::newRow("lesson input")             << int(KarmicLesson) << false << true  << "nuFile"  << "mnuNext";
    QTest::newRow("soulmate input")           << int(Soulmate)     << false << true  << "mnuFile" << "mnuFindSoulmateSign";
    QTest::newRow("spiritual input")          << int(Spiritual)    << false << true  << "mnuFile" << "mnuFindMySpritualSgn";
    QTest::newRow("astrology display")        << int(Astrology)    << true  << true  << "mnuFile" << "mnuPrint";
    QTest::newRow("spiritual display")        << int(Spiritual)    << true  << true  << "mnuFile" << "mnuFileBack";
    QTest::newRow("debt display, no menus")   << int(KarmicDebt)   << true  << false << "mnuFile" << "mnuExit";
    QTest::newRow("lesson display, no menus") << int(KarmicLesson) << true  << false << "mnuFile" << "mnuExit";
    // clang-format on
}

void tst_frmMDI::activeFormMenusStandInTheMenuBar()
{
    QFETCH(int, reading);
    QFETCH(bool, display);
    QFETCH(bool, formMenus);
    QFETCH(QString, fileMenu);
    QFETCH(QString, item);
    frmMDI *main = mainWindow();
    const QList<QAction *> mainMenus = main->menuBar()->actions();
    Form *form = display ? static_cast<Form *>(openDisplayForm(reading)) : openInputForm(reading);
    QVERIFY(form && form->isFormVisible());

    QList<QMenuBar *> visibleBars;
    for (QMenuBar *bar : main->findChildren<QMenuBar *>()) {
        if (bar->isVisible())
            visibleBars.append(bar);
    }
    QCOMPARE(visibleBars, QList<QMenuBar *>({main->menuBar()}));

    // The menus are the owner's own objects, named as in its design.
    QObject *owner = formMenus ? static_cast<QObject *>(form) : main;
    const QList<QAction *> shown = main->menuBar()->actions();
    QVERIFY(!shown.isEmpty());
    for (QAction *menu : shown)
        QVERIFY2(owner->findChildren<QAction *>().contains(menu), qPrintable(menu->text()));
    if (!formMenus)
        QCOMPARE(shown, mainMenus);
    auto *file = owner->findChild<QMenu *>(fileMenu);
    QVERIFY(file);
    QCOMPARE(shown.first(), file->menuAction());

    main->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(main));
    QTest::keyClick(main, Qt::Key_F, Qt::AltModifier);
    QTRY_COMPARE(QApplication::activePopupWidget(), file);
    QAction *action = owner->findChild<QAction *>(item);
    QVERIFY(action && file->actions().contains(action));
    file->close();

    closeReadingForms();
    QCOMPARE(main->menuBar()->actions(), mainMenus);
}

void tst_frmMDI::mainMenusComeBackHoweverAReadingGoes_data()
{
    QTest::addColumn<int>("reading");
    QTest::addColumn<QString>("way");
    QTest::addColumn<bool>("mainMenus"); // false: the form that follows shows its own

    for (const auto &readingAndName :
         {std::pair{int(Astrology), "astrology"}, std::pair{int(Soulmate), "soulmate"}}) {
        const auto row = [&readingAndName](const char *way, bool mainMenus) {
            const auto &[reading, name] = readingAndName;
            QTest::addRow("%s, %s", name, way) << reading << QString::fromLatin1(way) << mainMenus;
        };
        row("cmdExit", true);
        row("mnuExit", true);
        row("close box", true);
        row("closing all", true);
        row("cmdBack", false);
        row("cmdNext", false);
    }
}

void tst_frmMDI::mainMenusComeBackHoweverAReadingGoes()
{
    QFETCH(int, reading);
    QFETCH(QString, way);
    QFETCH(bool, mainMenus);
    frmMDI *main = mainWindow();
    const QList<QAction *> ownMenus = main->menuBar()->actions();

    Form *form = way == QLatin1String("cmdNext") ? static_cast<Form *>(openInputForm(reading))
                                                 : openDisplayForm(reading);
    QVERIFY(form && form->isFormVisible());
    QVERIFY(main->menuBar()->actions() != ownMenus);
    if (way == QLatin1String("close box")) {
        auto *frame = qobject_cast<QMdiSubWindow *>(form->parentWidget());
        QVERIFY(frame);
        frame->close();
    } else if (way == QLatin1String("closing all")) {
        main->findChild<QMdiArea *>()->closeAllSubWindows();
    } else if (auto *item = form->findChild<QAction *>(way)) {
        item->trigger();
    } else {
        auto *button = form->findChild<QPushButton *>(way);
        QVERIFY(button);
        QTest::mouseClick(button, Qt::LeftButton);
    }
    flushDeletes();
    QCoreApplication::processEvents();

    const QList<QAction *> shown = main->menuBar()->actions();
    QVERIFY(!shown.isEmpty());
    if (!mainMenus) {
        QVERIFY(shown != ownMenus);
        return;
    }
    QCOMPARE(shown, ownMenus);
    // The offscreen platform leaves a closed menu the active window: the main window is made so.
    QApplication::setActiveWindow(main);
    QTRY_COMPARE(QApplication::activeWindow(), static_cast<QWidget *>(main));
    // The main window's own Help menu (a form left loaded has one of the same name).
    const auto help = std::find_if(ownMenus.cbegin(), ownMenus.cend(), [](QAction *menu) {
        return menu->menu() && menu->menu()->objectName() == QLatin1String("mnuHelp");
    });
    QVERIFY(help != ownMenus.cend());
    QTest::keyClick(main, Qt::Key_H, Qt::AltModifier);
    QTRY_COMPARE(QApplication::activePopupWidget(), (*help)->menu());
    // Escape closes the menu, a second leaves the menu bar.
    QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_Escape);
    QTRY_VERIFY(!QApplication::activePopupWidget());
    QTest::keyClick(main->menuBar(), Qt::Key_Escape);
    QTRY_VERIFY(!main->menuBar()->activeAction());
}

// The banner, the button row and the welcome labels are centred on the width of the area that
// holds them, whatever the size of the window; the Exit button keeps to the right edge.
void tst_frmMDI::contentsStayCentredInTheWindow()
{
    frmMDI *main = mainWindow();
    const QSize designed = main->size();
    for (const QSize size : {designed, QSize(640, 480), QSize(780, 560)}) {
        main->resize(size);
        QCoreApplication::processEvents();
        const auto verifyCentred = [](const char *name) {
            const QWidget *child = control(name);
            const int expected = qMax(0, (child->parentWidget()->width() - child->width()) / 2);
            QVERIFY2(qAbs(child->x() - expected) <= 1, name);
        };
        verifyCentred("lblQuennetBanner");
        verifyCentred("picButtonContainer");
        for (int i = 0; i < 8; ++i)
            verifyCentred(qPrintable(QString("lblCaption_%1").arg(i)));
        const QWidget *exit = control("cmdMdiExit");
        QCOMPARE(exit->x() + exit->width(), exit->parentWidget()->width() - 8);
    }
    main->resize(designed);
}

// At Qt's own font the buttons lie where the design draws them (twips / 15): two staggered
// columns, Lesson between them, the pictures in between.
void tst_frmMDI::readingButtonsKeepTheDesignedArrangement()
{
    const QWidget *container = control("picButtonContainer");
    QCOMPARE(container->size(), QSize(721, 85));
    const std::pair<const char *, QRect> designed[] = {
        {"cmdSelectOption_0", QRect(64, 13, 174, 33)},
        {"cmdSelectOption_1", QRect(528, 13, 174, 33)},
        {"cmdSelectOption_2", QRect(296, 29, 174, 33)},
        {"cmdSelectOption_3", QRect(64, 48, 174, 33)},
        {"cmdSelectOption_4", QRect(528, 48, 174, 33)},
        {"Picture2", QRect(6, 8, 48, 48)},
        {"Picture4", QRect(250, 6, 40, 40)},
        {"Picture5", QRect(250, 46, 40, 36)},
        {"Picture7", QRect(476, 6, 40, 40)},
        {"Picture8", QRect(476, 46, 40, 36)}};
    for (const auto &[name, rect] : designed) {
        const QWidget *widget = control(name);
        QCOMPARE(widget->parentWidget(), container);
        QCOMPARE(widget->geometry(), rect);
    }
    QCOMPARE(control("cmdMdiExit")->size(), QSize(89, 33));
}

void tst_frmMDI::openReadingLeavesOnlyTheNewInputForm_data()
{
    QTest::addColumn<int>("first");
    QTest::addColumn<bool>("firstShowsItsReading");
    QTest::addColumn<int>("second");
    // clang-format off
    QTest::newRow("astrology, then lesson")                        << int(Astrology)  << false << int(KarmicLesson);
    QTest::newRow("debt reading shown, then soulmate")             << int(KarmicDebt) << true  << int(Soulmate);
    QTest::newRow("astrology reading shown, then debt")            << int(Astrology)  << true  << int(KarmicDebt);
    QTest::newRow("spiritual reading shown, then spiritual again") << int(Spiritual)  << true  << int(Spiritual);
    // clang-format on
}

void tst_frmMDI::openReadingLeavesOnlyTheNewInputForm()
{
    QFETCH(int, first);
    QFETCH(bool, firstShowsItsReading);
    QFETCH(int, second);

    QPointer<Form> firstForm =
        firstShowsItsReading ? static_cast<Form *>(openDisplayForm(first)) : openInputForm(first);
    QVERIFY(firstForm);

    const QString button = QString("cmdSelectOption_%1").arg(second);
    QTest::mouseClick(control(button), Qt::LeftButton);
    flushDeletes();

    QVERIFY(firstForm.isNull());
    const QList<Form *> open = readingForms();
    QCOMPARE(open.size(), 1);
    auto *input = qobject_cast<InputForm *>(open.first());
    QVERIFY(input);
    QCOMPARE(input->objectName(), InputFormNames.at(second));
    QVERIFY(input->isFormVisible());
    QCOMPARE(control<QComboBox>(input, "cboDate")->currentText(), QString("1"));
    QVERIFY(!startPanelVisible());
    QCOMPARE(mainWindow()->workspace()->subWindowList().size(), 1);
}

void tst_frmMDI::buttonAndLabelOpenTheSameFormAtTheSamePlace_data()
{
    QTest::addColumn<int>("reading");
    for (int reading = Astrology; reading <= Spiritual; ++reading)
        QTest::newRow(qPrintable(InputFormNames.at(reading))) << reading;
}

void tst_frmMDI::buttonAndLabelOpenTheSameFormAtTheSamePlace()
{
    QFETCH(int, reading);

    QTest::mouseClick(control(QString("cmdSelectOption_%1").arg(reading)), Qt::LeftButton);
    QCOMPARE(readingForms().size(), 1);
    Form *byButton = readingForms().first();
    const QString formName = byButton->objectName();
    const QRect placeByButton = byButton->frame()->geometry();
    closeReadingForms();
    QVERIFY(startPanelVisible());

    QTest::mouseClick(mainWindow()->readingCaption(reading), Qt::LeftButton);
    QCOMPARE(readingForms().size(), 1);
    Form *byLabel = readingForms().first();
    QCOMPARE(byLabel->objectName(), formName);
    QCOMPARE(formName, InputFormNames.at(reading));
    QCOMPARE(byLabel->frame()->geometry(), placeByButton);
    QVERIFY(!startPanelVisible());

    const int areaWidth = mainWindow()->workspace()->viewport()->width();
    QCOMPARE(byLabel->frame()->y(), 0);
    QCOMPARE(byLabel->frame()->x(), qMax(0, (areaWidth - byLabel->frame()->width()) / 2));
}

void tst_frmMDI::introductionCaptionsAreText_data()
{
    QTest::addColumn<int>("index");
    // clang-format off
    QTest::newRow("lblCaption_0") << 0;
    QTest::newRow("lblCaption_1") << 1;
    QTest::newRow("lblCaption_2") << 2;
    // clang-format on
}

// The heading and the paragraphs are read as text, take no focus and open nothing.
void tst_frmMDI::introductionCaptionsAreText()
{
    QFETCH(int, index);
    QWidget *text = caption(index);
    QCOMPARE(QAccessible::queryAccessibleInterface(text)->role(), QAccessible::StaticText);
    QCOMPARE(text->focusPolicy(), Qt::NoFocus);
    QCOMPARE(text->cursor().shape(), Qt::ArrowCursor);

    QTest::mouseClick(text, Qt::LeftButton);
    flushDeletes();
    QVERIFY(readingForms().isEmpty());
    QVERIFY(startPanelVisible());
}

// A reading caption is underlined while the pointer is over it, and no other caption is.
void tst_frmMDI::readingCaptionsUnderlineWhileThePointerIsOverThem()
{
    QWidget *panel = mainWindow()->startPanel();
    const QPoint emptyPlace(2, panel->height() - 2);
    QCOMPARE(panel->childAt(emptyPlace), nullptr);
    QTest::mouseMove(panel, emptyPlace);
    QList<QImage> atRest;
    for (int i = 0; i < 9; ++i)
        atRest.append(picture(caption(i)));
    const auto underlined = [&atRest] {
        QList<int> differing;
        for (int i = 0; i < 9; ++i) {
            if (picture(caption(i)) != atRest.at(i))
                differing.append(i);
        }
        return differing;
    };

    for (int index : {3, 5, 7, 8}) {
        QTest::mouseMove(caption(index));
        QTRY_COMPARE(underlined(), QList<int>({index}));
    }
    for (int index : {0, 1, 2}) {
        QTest::mouseMove(caption(index));
        QTRY_COMPARE(underlined(), QList<int>());
    }
    QTest::mouseMove(caption(4));
    QTRY_COMPARE(underlined(), QList<int>({4}));
    QTest::mouseMove(panel, emptyPlace);
    QTRY_COMPARE(underlined(), QList<int>());
}

void tst_frmMDI::karmicProfileOpensFromEveryWayIn_data()
{
    QTest::addColumn<QString>("way");
    QTest::addColumn<int>("openBefore"); // a reading whose display form shows; -1: none
    // clang-format off
    QTest::newRow("File menu")                         << "menu"     << -1;
    QTest::newRow("Ctrl+6")                            << "shortcut" << -1;
    QTest::newRow("Ctrl+6 over a reading's own menus") << "shortcut" << int(Astrology);
    QTest::newRow("start panel caption")               << "caption"  << -1;
    QTest::newRow("caption by keyboard")               << "keyboard" << -1;
    // clang-format on
}

// Every way in opens the profile's input form alone, in place of any reading, at the top centre
// of the workspace.
void tst_frmMDI::karmicProfileOpensFromEveryWayIn()
{
    QFETCH(QString, way);
    QFETCH(int, openBefore);
    auto *item = mainWindow()->findChild<QAction *>("mnuKarmicProfile");
    QVERIFY(item);
    QCOMPARE(item->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_6));
    QPointer<Form> before = openBefore >= 0 ? openDisplayForm(openBefore) : nullptr;

    if (way == "menu") {
        item->trigger();
    } else if (way == "shortcut") {
        // On the offscreen platform a menu an earlier test opened and closed can still count as
        // the active window; shortcuts go to the active one.
        QApplication::setActiveWindow(mainWindow());
        QCOMPARE(QApplication::activeWindow(), mainWindow());
        QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : mainWindow(),
                        Qt::Key_6, Qt::ControlModifier);
    } else if (way == "caption") {
        QTest::mouseClick(caption(8), Qt::LeftButton);
    } else {
        caption(8)->setFocus();
        QTest::keyClick(caption(8), Qt::Key_Space);
    }
    flushDeletes();

    QVERIFY(before.isNull());
    const QList<Form *> open = readingForms();
    QCOMPARE(open.size(), 1);
    QCOMPARE(open.first()->objectName(), QString("frmKarmicProfileMain"));
    QCOMPARE(open.first()->windowTitle(), QString("Lumo Karmic Profile"));
    QVERIFY(open.first()->isFormVisible());
    QVERIFY(!startPanelVisible());
    QCOMPARE(open.first()->frame()->y(), 0);
}

// The caption stands under the five reading captions, in their size and weight, is read as a
// button, and takes the focus as they do.
void tst_frmMDI::karmicProfileCaptionStandsUnderTheReadings()
{
    QWidget *profile = caption(8);
    for (int reading = 0; reading < frmMDI::ReadingCount; ++reading) {
        const QWidget *readingCaption = mainWindow()->readingCaption(reading);
        QVERIFY(profile->geometry().top() >= readingCaption->geometry().bottom());
        QCOMPARE(profile->font(), readingCaption->font());
        QCOMPARE(profile->focusPolicy(), readingCaption->focusPolicy());
    }
    QCOMPARE(QAccessible::queryAccessibleInterface(profile)->role(), QAccessible::Button);
    QVERIFY(mainWindow()->startPanel()->rect().contains(profile->geometry()));
    QVERIFY(profile->width() >= profile->sizeHint().width());
}

// Ctrl+1 to Ctrl+5 open the readings in the order of the buttons' indexes, from the window's own
// controls and from inside another reading alike, and the buttons' tooltips name the keys.
void tst_frmMDI::ctrlDigitOpensTheReadingFromAnywhere_data()
{
    QTest::addColumn<int>("digit");
    QTest::addColumn<bool>("fromAReading");
    for (int digit = 1; digit <= 5; ++digit) {
        QTest::addRow("Ctrl+%d from the buttons", digit) << digit << false;
        QTest::addRow("Ctrl+%d from a reading", digit) << digit << true;
    }
}

void tst_frmMDI::ctrlDigitOpensTheReadingFromAnywhere()
{
    QFETCH(int, digit);
    QFETCH(bool, fromAReading);
    const int reading = digit - 1;
    auto *button = qobject_cast<QPushButton *>(control(QString("cmdSelectOption_%1").arg(reading)));
    QVERIFY(button->toolTip().contains(QString("Ctrl+%1").arg(digit)));
    QVERIFY(button->toolTip().contains(button->text()));

    // The offscreen platform leaves a closed menu the active window: the main window is made so.
    QApplication::setActiveWindow(mainWindow());
    QTRY_COMPARE(QApplication::activeWindow(), static_cast<QWidget *>(mainWindow()));
    QWidget *from = control("cmdSelectOption_0");
    if (fromAReading) {
        openInputForm(reading == Spiritual ? Astrology : Spiritual);
        from = QApplication::focusWidget();
        QVERIFY(from && mainWindow()->workspace()->isAncestorOf(from));
    }
    from->setFocus();
    QTest::keyClick(from, Qt::Key(Qt::Key_0 + digit), Qt::ControlModifier);

    const auto openReading = [] {
        const QList<Form *> open = readingForms();
        return open.size() == 1 ? open.first()->objectName() : QString();
    };
    QTRY_COMPARE(openReading(), InputFormNames.at(reading));
    QVERIFY(readingForms().first()->isFormVisible());
}

// Tab runs through the reading buttons left to right as they are drawn (Lesson between the two
// columns), the start panel's readings top to bottom, Exit, and then the links; Shift+Tab back.
void tst_frmMDI::tabFollowsTheLayout()
{
    const QStringList layoutOrder = {"cmdSelectOption_0", "cmdSelectOption_2",
                                     "cmdSelectOption_1", "cmdSelectOption_3",
                                     "cmdSelectOption_4", "lblCaption_3",
                                     "lblCaption_5",      "lblCaption_4",
                                     "lblCaption_6",      "lblCaption_7",
                                     "lblCaption_8",      "cmdMdiExit",
                                     "lblQuennetBanner",  "Label7"};
    control(layoutOrder.first())->setFocus();
    QStringList forwards{QApplication::focusWidget()->objectName()};
    for (qsizetype i = 1; i <= layoutOrder.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        forwards.append(QApplication::focusWidget()->objectName());
    }
    QCOMPARE(forwards, layoutOrder + QStringList{layoutOrder.first()});

    QStringList backwards{QApplication::focusWidget()->objectName()};
    for (qsizetype i = 1; i <= layoutOrder.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
        backwards.prepend(QApplication::focusWidget()->objectName());
    }
    QCOMPARE(backwards, layoutOrder + QStringList{layoutOrder.first()});
}

// With a reading open, F6 (and Shift+F6) moves the focus to the window's control that had it
// before, and back to the reading's control that had it; with no reading open it stays.
void tst_frmMDI::f6MovesTheFocusBetweenTheReadingAndTheWindow_data()
{
    QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
    // clang-format off
    QTest::newRow("F6")       << Qt::KeyboardModifiers();
    QTest::newRow("Shift+F6") << Qt::KeyboardModifiers(Qt::ShiftModifier);
    // clang-format on
}

void tst_frmMDI::f6MovesTheFocusBetweenTheReadingAndTheWindow()
{
    QFETCH(Qt::KeyboardModifiers, modifiers);
    QWidget *lesson = control("cmdSelectOption_2");
    lesson->setFocus();
    QTest::keyClick(lesson, Qt::Key_F6, modifiers);
    QCOMPARE(QApplication::focusWidget(), lesson);

    QTest::keyClick(lesson, Qt::Key_Space);
    QTRY_COMPARE(readingForms().size(), 1);
    Form *reading = readingForms().first();
    QTRY_VERIFY(reading->isAncestorOf(QApplication::focusWidget()));
    // A control further on in the reading, so that coming back finds it and not the first one.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QWidget *inReading = QApplication::focusWidget();
    QVERIFY(reading->isAncestorOf(inReading));

    QTest::keyClick(inReading, Qt::Key_F6, modifiers);
    QTRY_COMPARE(QApplication::focusWidget(), lesson);
    QTest::keyClick(lesson, Qt::Key_F6, modifiers);
    QTRY_COMPARE(QApplication::focusWidget(), inReading);

    // The display form that takes the input form's place is reached in its turn.
    auto *input = qobject_cast<InputForm *>(reading);
    control<QLineEdit>(input, "txtFirstName")->setText("ANN");
    control<QLineEdit>(input, "txtLastName")->setText("LEE");
    input->cmdNext_Click();
    Form *display = latestReadingForm(mainWindow()->workspace());
    QVERIFY(display && display != reading);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_F6, modifiers);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_F6, modifiers);
    QTRY_VERIFY(display->isAncestorOf(QApplication::focusWidget()));
}

void tst_frmMDI::exitClosesTheReadingForms_data()
{
    QTest::addColumn<QString>("way");
    // clang-format off
    QTest::newRow("close box")  << "close box";
    QTest::newRow("cmdMdiExit") << "cmdMdiExit";
    QTest::newRow("mnuExit")    << "mnuExit";
    // clang-format on
}

void tst_frmMDI::exitClosesTheReadingForms()
{
    QFETCH(QString, way);
    QPointer<Form> display = openDisplayForm(KarmicDebt);
    QPointer<Form> input = loadedForm<InputForm>();
    QPointer<frmMDI> main = mainWindow();
    QVERIFY(display && input);

    if (way == "close box")
        QVERIFY(main->close());
    else if (way == "cmdMdiExit")
        QTest::mouseClick(main->findChild<QWidget *>(way), Qt::LeftButton);
    else
        main->findChild<QAction *>(way)->trigger();
    flushDeletes();

    QVERIFY(display.isNull());
    QVERIFY(input.isNull());
    QVERIFY(main.isNull());
    // All that is left is the support dialog, which ends the program when it is left.
    QVERIFY(loadedForms().isEmpty());
    QVERIFY(shownWindow<frmNagScreen2>());
    QCOMPARE(shownWindow<frmNagScreen2>()->objectName(), QString("frmNagScreen2"));
    shownWindow<frmNagScreen2>()->close();
    flushDeletes();
}

QTEST_MAIN(tst_frmMDI)
#include "tst_frmmdi.moc"
