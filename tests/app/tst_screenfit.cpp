#include "app/frmmdi.h"
#include "app/startup.h"
#include "forms/formbody.h"
#include "forms/linkbutton.h"
#include "forms/textboxes.h"
#include "readings/astrology/frmkarmicastrologydisplay.h"
#include "readings/astrology/frmkarmicastrologysave.h"
#include "support/everywindow.h"
#include "support/readingfixture.h"
#include "support/scripteddesktop.h"
#include "support/settingswrites.h"

#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QScreen>
#include <QScrollBar>
#include <QSettings>
#include <QTest>

using namespace Lumo;
using namespace Lumo::Testing;

// The windows on the screen the test runs on: ctest runs it on a 1366x768 laptop screen, a
// 1024x600 netbook screen, a 2560x1440 screen at scale 2 and a 1280x1024 screen at scale 2
// (smaller than the main window), as well as on the default offscreen screen.
class tst_ScreenFit : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void cleanup() { closeAllForms(); }

    void firstStartFillsTheScreen();
    void mainWindowOpensOnTheScreen();
    void placementIsRemembered_data();
    void placementIsRemembered();
    void windowLeftWhereItWasWritesNoSettings();
    void placementOfAnEarlierVersionIsReadOnce_data();
    void placementOfAnEarlierVersionIsReadOnce();
    void unreadablePlacementOpensAsDesigned();
    void formsAreUsableWithoutScrollingTheWorkspace_data();
    void formsAreUsableWithoutScrollingTheWorkspace();
    void reportWindowFitsTheScreen();
    void controlsKeepApart_data();
    void controlsKeepApart();

private:
    static QRect available() { return QGuiApplication::primaryScreen()->availableGeometry(); }
    static void forgetPlacement()
    {
        for (const QString &key : {WindowPlacementKey, OldWindowGeometryKey, OldWindowMaximizedKey})
            QSettings().remove(key);
    }
    // The designed size in the middle of the screen, where the window opens when its saved place
    // lies off every screen.
    static void placeAsDesigned()
    {
        forgetPlacement();
        forgetMainWindowPlacement();
    }
    static frmMDI *openMainWindow(bool maximised = false);
    static bool minimumFits(frmMDI *main);

    ScriptedDesktop m_desktop;
};

void tst_ScreenFit::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    QApplication::setQuitOnLastWindowClosed(false);
    qInfo("screen %dx%d at scale %s", available().width(), available().height(),
          qgetenv("QT_SCALE_FACTOR").constData());
}

frmMDI *tst_ScreenFit::openMainWindow(bool maximised)
{
    frmMDI *main = openedForm<frmMDI>();
    if (maximised)
        main->showMaximized();
    else
        main->showForm();
    if (!QTest::qWaitForWindowExposed(main))
        qWarning("main window not exposed");
    if (maximised && !QTest::qWaitFor([main] { return main->isMaximized(); }))
        qWarning("main window not maximised");
    QCoreApplication::processEvents();
    return main;
}

bool tst_ScreenFit::minimumFits(frmMDI *main)
{
    const QMargins frame = main->windowHandle()->frameMargins();
    return available().size().shrunkBy(frame).expandedTo(main->minimumSize()) ==
           available().size().shrunkBy(frame);
}

// With nothing saved, the window fills the screen with its title bar on it.
void tst_ScreenFit::firstStartFillsTheScreen()
{
    forgetPlacement();
    frmMDI *main = openMainWindow();
    QTRY_VERIFY(main->isMaximized());
    QVERIFY2(available().contains(main->frameGeometry().topLeft()),
             "the title bar lies off the screen");
    if (minimumFits(main))
        QVERIFY(available().contains(main->frameGeometry()));
}

// Wholly on the available area and no larger, at the designed size where there is room; on a
// screen smaller than the window can be, with its title bar on the screen.
void tst_ScreenFit::mainWindowOpensOnTheScreen()
{
    placeAsDesigned();
    frmMDI *main = openMainWindow();
    const QRect frame = main->frameGeometry();
    QVERIFY2(available().contains(frame.topLeft()), "the title bar lies off the screen");
    if (minimumFits(main)) {
        QVERIFY(available().contains(frame));
    } else {
        QCOMPARE(main->size(), main->minimumSize());
        QCOMPARE(frame.topLeft(), available().topLeft());
    }
    const QSize designed(792, 546 + main->menuBar()->height());
    if (available().size().shrunkBy(main->windowHandle()->frameMargins()).expandedTo(designed) ==
        available().size().shrunkBy(main->windowHandle()->frameMargins()))
        QCOMPARE(main->size(), designed);

    // Its own controls stay visible at its smallest.
    main->resize(main->minimumSize());
    QCoreApplication::processEvents();
    QCOMPARE(main->size(), main->minimumSize());
    const QRect client = main->rect();
    for (QWidget *control : main->findChildren<QWidget *>()) {
        const bool own = control->objectName().startsWith("cmd") ||
                         control->objectName().startsWith("lbl") ||
                         control->objectName() == "Label7";
        if (!own || !control->isVisibleTo(main))
            continue;
        const QRect rect(control->mapTo(main, QPoint(0, 0)), control->size());
        QVERIFY2(client.contains(rect), qPrintable(control->objectName()));
        const QRect parentRect = control->parentWidget()->rect();
        QVERIFY2(parentRect.contains(control->geometry()), qPrintable(control->objectName()));
        if (auto *label = qobject_cast<QLabel *>(control); label && label->wordWrap())
            QVERIFY2(label->heightForWidth(label->width()) <= label->height(),
                     qPrintable(control->objectName()));
    }
}

// Size and position come back from the settings where they still lie on the screen; elsewhere
// the window opens as on the first run.
void tst_ScreenFit::placementIsRemembered_data()
{
    QTest::addColumn<QPoint>("offset"); // from the available area's top-left corner
    QTest::addColumn<QSize>("growth");  // over the smallest size
    QTest::addColumn<bool>("onScreen");
    QTest::addColumn<bool>("maximised");
    // clang-format off
    QTest::newRow("on the screen")          << QPoint(20, 40)   << QSize(10, 6)      << true  << false;
    QTest::newRow("maximised")              << QPoint(20, 40)   << QSize(10, 6)      << true  << true;
    QTest::newRow("off the right edge")     << QPoint(4000, 40) << QSize(10, 6)      << false << false;
    QTest::newRow("above the screen")       << QPoint(20, -300) << QSize(10, 6)      << false << false;
    QTest::newRow("larger than the screen") << QPoint(0, 0)     << QSize(4000, 3000) << false << false;
    // clang-format on
}

void tst_ScreenFit::placementIsRemembered()
{
    QFETCH(QPoint, offset);
    QFETCH(QSize, growth);
    QFETCH(bool, onScreen);
    QFETCH(bool, maximised);
    placeAsDesigned();
    frmMDI *main = openMainWindow();
    const QMargins frame = main->windowHandle()->frameMargins();
    const QRect firstRun = main->geometry();
    const QRect wanted(available().topLeft() + offset + QPoint(frame.left(), frame.top()),
                       main->minimumSize() + growth);
    const bool fits = onScreen && available().contains(wanted.marginsAdded(frame));
    main->setGeometry(wanted);
    if (maximised) {
        main->showMaximized();
        QTRY_VERIFY(main->isMaximized());
    }
    QCoreApplication::processEvents();
    closeAllForms(); // the main window stores its placement as it closes

    main = openMainWindow();
    QCOMPARE(main->isMaximized(), maximised);
    if (maximised)
        return;
    QCOMPARE(main->geometry(), fits ? wanted : firstRun);
}

// Closed where it opened, the window leaves the settings file as it was. It is put back from the
// settings twice first: on a small screen the platform moves a window put back the first time by
// its frame.
void tst_ScreenFit::windowLeftWhereItWasWritesNoSettings()
{
    placeAsDesigned();
    for (int start = 0; start < 2; ++start) {
        openMainWindow();
        closeAllForms();
    }
    const auto written = settingsFileIdentity();
    QVERIFY(written != 0);
    openMainWindow();
    closeAllForms();
    QCOMPARE(settingsFileIdentity(), written);
}

// An earlier version kept the client area and the maximised state under keys of their own. They
// place the window; closing it keeps its place the new way and drops them.
void tst_ScreenFit::placementOfAnEarlierVersionIsReadOnce_data()
{
    QTest::addColumn<QPoint>("offset"); // from the available area's top-left corner
    QTest::addColumn<bool>("onScreen");
    QTest::addColumn<bool>("maximised");
    // clang-format off
    QTest::newRow("on the screen")      << QPoint(20, 40)   << true  << false;
    QTest::newRow("maximised")          << QPoint(20, 40)   << true  << true;
    QTest::newRow("off the right edge") << QPoint(4000, 40) << false << false;
    // clang-format on
}

void tst_ScreenFit::placementOfAnEarlierVersionIsReadOnce()
{
    QFETCH(QPoint, offset);
    QFETCH(bool, onScreen);
    QFETCH(bool, maximised);
    placeAsDesigned();
    frmMDI *main = openMainWindow();
    const QRect designed = main->geometry();
    const QMargins frame = main->windowHandle()->frameMargins();
    const QRect old(available().topLeft() + offset + QPoint(frame.left(), frame.top()),
                    main->minimumSize() + QSize(10, 6));
    const bool fits = onScreen && available().contains(old.marginsAdded(frame));
    closeAllForms();
    forgetPlacement();
    {
        QSettings settings;
        settings.setValue(OldWindowGeometryKey, old);
        settings.setValue(OldWindowMaximizedKey, maximised);
    }

    main = openMainWindow();
    QTRY_COMPARE(main->isMaximized(), maximised);
    if (!maximised)
        QCOMPARE(main->geometry(), fits ? old : designed);
    closeAllForms();
    const QSettings settings;
    QVERIFY(settings.contains(WindowPlacementKey));
    QVERIFY(!settings.contains(OldWindowGeometryKey));
    QVERIFY(!settings.contains(OldWindowMaximizedKey));
}

// A record that is not the window's place (another program's, a damaged file) opens the window
// as when its place lies off every screen.
void tst_ScreenFit::unreadablePlacementOpensAsDesigned()
{
    placeAsDesigned();
    frmMDI *main = openMainWindow();
    const QRect designed = main->geometry();
    closeAllForms();
    for (const QByteArray &record : {QByteArray("not a place"), QByteArray(), QByteArray(64, 0)}) {
        QSettings().setValue(WindowPlacementKey, record);
        main = openMainWindow();
        QVERIFY(!main->isMaximized());
        QCOMPARE(main->geometry(), designed);
        closeAllForms();
    }
}

void tst_ScreenFit::formsAreUsableWithoutScrollingTheWorkspace_data()
{
    QTest::addColumn<bool>("maximised");
    QTest::addColumn<int>("reading");
    QTest::addColumn<bool>("display");
    // After the readings of the buttons, the Karmic Profile.
    const char *names[] = {"astrology", "debt", "lesson", "soulmate", "spiritual", "profile"};
    for (bool maximised : {false, true}) {
        for (int reading = 0; reading <= frmMDI::ReadingCount; ++reading) {
            for (bool display : {false, true}) {
                QTest::addRow("%s, %s %s", maximised ? "maximised" : "as opened", names[reading],
                              display ? "display" : "input")
                    << maximised << reading << display;
            }
        }
    }
}

// Every button of the form and the vendor labels below them lie wholly within the visible
// workspace, which has nothing to scroll. A form that has room has its designed size; one that
// has not takes the workspace's height, its long text boxes giving up height before its top
// part scrolls.
void tst_ScreenFit::formsAreUsableWithoutScrollingTheWorkspace()
{
    QFETCH(bool, maximised);
    QFETCH(int, reading);
    QFETCH(bool, display);
    placeAsDesigned();
    frmMDI *main = openMainWindow(maximised);
    if (!minimumFits(main))
        QSKIP("the screen is smaller than the main window");
    QVERIFY(available().contains(main->frameGeometry()));

    if (reading == frmMDI::ReadingCount)
        main->openKarmicProfile();
    else
        main->OpenReading(reading);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    Form *form = latestReadingForm(main->workspace());
    if (display) {
        auto *input = qobject_cast<InputForm *>(form);
        for (QLineEdit *box :
             {control<QLineEdit>(input, "txtName"), control<QLineEdit>(input, "txtFirstName"),
              control<QLineEdit>(input, "txtLastName")}) {
            if (box)
                box->setText(QStringLiteral("ANN LEE"));
        }
        pickDate(input, "5", "May", "1960");
        input->cmdNext_Click();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        form = latestReadingForm(main->workspace());
    }
    QVERIFY(form->isFormVisible());

    // The workspace lays its scroll bars out once the form's placement has reached it.
    QMdiArea *workspace = main->workspace();
    QTRY_COMPARE(workspace->verticalScrollBar()->maximum(), 0);
    QTRY_COMPARE(workspace->horizontalScrollBar()->maximum(), 0);
    const QRect visible = workspace->viewport()->rect();
    const QRect window(form->frame()->mapTo(workspace->viewport(), QPoint(0, 0)),
                       form->frame()->size());
    QVERIFY(visible.contains(window));

    QList<QWidget *> mustShow;
    for (QAbstractButton *button : form->findChildren<QAbstractButton *>()) {
        if (button->isVisibleTo(form)) // not the hidden menu bar's
            mustShow.append(button);
    }
    for (const char *name : {"Label61", "lblFullBrand", "lblCobrand"})
        mustShow.append(form->findChild<LinkButton *>(name));
    for (QWidget *control : mustShow) {
        QVERIFY(control && control->isVisible());
        const QRect rect(control->mapTo(workspace->viewport(), QPoint(0, 0)), control->size());
        QVERIFY2(visible.contains(rect), qPrintable(control->objectName()));
        QVERIFY2(!control->visibleRegion().isEmpty() &&
                     control->visibleRegion().boundingRect() == control->rect(),
                 qPrintable(control->objectName()));
    }

    const QSize fitted = form->frame()->size();
    const bool fillsTheHeight = fitted.height() == visible.height();
    auto *body = form->findChild<FormBody *>();
    QVERIFY(body);
    const bool scrolls = body->verticalScrollBar()->maximum() > 0;
    if (fillsTheHeight) {
        for (QPlainTextEdit *box : form->findChildren<QPlainTextEdit *>()) {
            const int fourLines =
                qMin(box->minimumHeight(), heightForLines(box, SqueezedTextBoxLines));
            QVERIFY2(box->height() >= fourLines, qPrintable(box->objectName()));
            if (scrolls)
                QCOMPARE(box->height(), heightForLines(box, SqueezedTextBoxLines));
        }
    }

    // In a workspace with room to spare the form takes its designed size.
    main->showNormal();
    main->resize(4096, 4096);
    QTRY_VERIFY(workspace->height() > 3072);
    const QSize designed = form->frame()->size();
    if (designed.height() <= visible.height())
        QCOMPARE(fitted, designed);
    else
        QVERIFY(fillsTheHeight);
}

// The report window lies wholly on the screen, its buttons and labels within it.
void tst_ScreenFit::reportWindowFitsTheScreen()
{
    forgetPlacement();
    frmMDI *main = openMainWindow();
    main->OpenReading(0);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    auto *input = qobject_cast<InputForm *>(latestReadingForm(main->workspace()));
    control<QLineEdit>(input, "txtName")->setText(QStringLiteral("ANN"));
    input->cmdNext_Click();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    auto *display = loadedForm<frmKarmicAstrologyDisplay>();
    QVERIFY(display);

    auto *report = new frmKarmicAstrologySave(display->reading(), display);
    report->setAttribute(Qt::WA_DeleteOnClose);
    report->show();
    QVERIFY(QTest::qWaitForWindowExposed(report));
    QVERIFY(available().contains(report->frameGeometry()));
    for (QWidget *control : report->findChildren<QWidget *>()) {
        if (!qobject_cast<QAbstractButton *>(control) && !qobject_cast<QLabel *>(control))
            continue;
        QVERIFY2(
            report->rect().contains(QRect(control->mapTo(report, QPoint(0, 0)), control->size())),
            qPrintable(control->objectName()));
    }
    report->close();
}

namespace {

// A control as drawn: its rectangle in the window, cut to what its parents show of it.
struct DrawnControl
{
    QWidget *widget;
    QRect rect;    // where it lies
    QRect visible; // what of it shows
};

// The named controls that draw something of their own (not the plain containers that only hold
// a layout), as they lie in the window.
QList<DrawnControl> drawnControls(QWidget *window)
{
    QList<DrawnControl> controls;
    for (QWidget *widget : window->findChildren<QWidget *>()) {
        const QString name = widget->objectName();
        if (name.isEmpty() || name.startsWith(QLatin1String("qt_")) ||
            !widget->isVisibleTo(window) || widget->metaObject() == &QWidget::staticMetaObject ||
            qobject_cast<FormBody *>(widget) || qobject_cast<QMdiArea *>(widget))
            continue;
        const QRect rect(widget->mapTo(window, QPoint(0, 0)), widget->size());
        QRect visible = rect;
        for (QWidget *parent = widget->parentWidget(); parent && parent != window;
             parent = parent->parentWidget())
            visible &= QRect(parent->mapTo(window, QPoint(0, 0)), parent->size());
        controls.append({widget, rect, visible & window->rect()});
    }
    return controls;
}

// The smallest size at which a control still shows all of itself: a label that wraps its text
// needs the height of its lines at its width; a picture scales.
QSize smallestWhole(const QWidget *control)
{
    if (auto *label = qobject_cast<const QLabel *>(control); label && label->hasScaledContents())
        return QSize(1, 1); // a picture drawn to the label's size
    // A minimum set on the control stands for what it needs, as in Qt's layouts.
    const QSize hint = control->minimumSizeHint();
    QSize smallest(control->minimumWidth() > 0 ? control->minimumWidth() : hint.width(),
                   control->minimumHeight() > 0 ? control->minimumHeight() : hint.height());
    if (control->hasHeightForWidth())
        smallest.setHeight(
            qMax(control->minimumHeight(), control->heightForWidth(control->width())));
    return smallest.boundedTo(control->maximumSize());
}

// What a person would see wrong: a control that lies partly outside its window, is squeezed
// smaller than it can be drawn, or is drawn over another. A control may lie outside the part of
// a form that scrolls, but only there.
QStringList drawingFaults(QWidget *window)
{
    QStringList faults;
    const QList<DrawnControl> controls = drawnControls(window);
    for (const DrawnControl &control : controls) {
        const QString name = control.widget->objectName();
        const bool scrolls =
            window->findChild<FormBody *>() &&
            window->findChild<FormBody *>()->widget()->isAncestorOf(control.widget);
        if (!scrolls && !window->rect().contains(control.rect))
            faults << name + QStringLiteral(" lies outside the window");
        const QSize smallest = smallestWhole(control.widget);
        if (control.rect.width() < smallest.width() || control.rect.height() < smallest.height())
            faults << QStringLiteral("%1 is squeezed to %2x%3, needs %4x%5")
                          .arg(name)
                          .arg(control.rect.width())
                          .arg(control.rect.height())
                          .arg(smallest.width())
                          .arg(smallest.height());
    }
    for (qsizetype i = 0; i < controls.size(); ++i) {
        for (qsizetype j = i + 1; j < controls.size(); ++j) {
            const DrawnControl &a = controls[i];
            const DrawnControl &b = controls[j];
            if (a.widget->isAncestorOf(b.widget) || b.widget->isAncestorOf(a.widget))
                continue;
            if (a.visible.intersects(b.visible))
                faults << QStringLiteral("%1 and %2 overlap")
                              .arg(a.widget->objectName(), b.widget->objectName());
        }
    }
    return faults;
}

} // namespace

void tst_ScreenFit::controlsKeepApart_data()
{
    QTest::addColumn<std::function<QWidget *()>>("open");
    QTest::addColumn<bool>("smallest");
    forEveryWindow([](const char *name, const std::function<QWidget *()> &open) {
        QTest::addRow("%s as opened", name) << open << false;
        QTest::addRow("%s at its smallest", name) << open << true;
    });
}

// Every window a person can open, as it opens on this screen and made as small as it lets
// itself be made: its controls lie inside it, none over another.
void tst_ScreenFit::controlsKeepApart()
{
    QFETCH(std::function<QWidget *()>, open);
    QFETCH(bool, smallest);
    ReadingFixture fixture;
    QWidget *form = open();
    QVERIFY(form);
    QWidget *window = frameAround(form);
    QVERIFY(QTest::qWaitForWindowExposed(window->window()));
    if (smallest) {
        // As far as dragging its border takes it: a sub-window in the workspace stops at its
        // smallest size as its contents give it.
        window->resize(window->minimumSizeHint().expandedTo(window->minimumSize()));
        QCoreApplication::processEvents();
    }
    // Layouts settle through posted events; a fault that stays is real.
    QTRY_VERIFY2(drawingFaults(window).isEmpty(),
                 qPrintable(drawingFaults(window).join(QLatin1String("; "))));
    if (auto *dialog = qobject_cast<QDialog *>(window))
        dialog->close();
}

QTEST_MAIN(tst_ScreenFit)
#include "tst_screenfit.moc"
