// The keyboard on every window, as a keyboard user meets it: where the focus is when the window
// opens, where Tab takes it, that each stop shows that it has the focus and is met once, and what
// Return does.
#include "support/everywindow.h"
#include "support/readingfixture.h"
#include "support/scripteddesktop.h"

#include <QAccessible>
#include <QApplication>
#include <QDialog>
#include <QImage>
#include <QTest>

#include <functional>

using namespace Lumo;
using namespace Lumo::Testing;

namespace {

// At most this many Tab stops in one window before the walk counts as never coming round.
constexpr int MostStops = 100;
// How far outside a control its focus may be drawn (a frame around it).
constexpr int FocusMargin = 3;

QString nameOf(const QWidget *control)
{
    return QStringLiteral("%1 (%2)").arg(control->objectName(),
                                         QLatin1String(control->metaObject()->className()));
}

// The stops Tab meets from the control that has the focus, once round. Faults go to `faults`:
// a stop that keeps the focus, a stop met twice before the round closes, a round that never
// closes.
QList<QWidget *> tabRound(QStringList &faults)
{
    QList<QWidget *> stops;
    for (int step = 0; step < MostStops; ++step) {
        QWidget *focus = QApplication::focusWidget();
        if (!focus) {
            faults << QStringLiteral("Tab left no control with the focus");
            return stops;
        }
        if (!stops.isEmpty() && focus == stops.first())
            return stops;
        if (!stops.isEmpty() && focus == stops.last()) {
            faults << nameOf(focus) + QStringLiteral(": keeps the focus on Tab");
            return stops;
        }
        if (stops.contains(focus)) {
            faults << nameOf(focus) + QStringLiteral(": met twice in one round");
            return stops;
        }
        stops.append(focus);
        QTest::keyClick(focus, Qt::Key_Tab);
    }
    faults << QStringLiteral("Tab never comes back to where it started");
    return stops;
}

// The pixels that differ between two pictures of the window inside the control's surroundings.
int changedPixelsAround(const QImage &before, const QImage &after, const QWidget *control)
{
    const qreal ratio = before.devicePixelRatio();
    const QRect around(control->mapTo(control->window(), QPoint(0, 0)), control->size());
    const QRect area = QRect((around.topLeft() * ratio), (around.size() * ratio))
                           .adjusted(-FocusMargin, -FocusMargin, FocusMargin, FocusMargin)
                           .intersected(before.rect());
    int changed = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x)
            changed += before.pixel(x, y) != after.pixel(x, y);
    }
    return changed;
}

// A Tab stop as the user meets it: the control that has the focus, where it is drawn in its
// window, and whether a screen reader calls it a link.
struct TabStop
{
    QWidget *control;
    QRect rect;
    bool link;
};

// The named control that holds the focus widget (a list's inner line edit counts as the list).
QWidget *namedControl(QWidget *focus, QWidget *window)
{
    for (QWidget *w = focus; w && w != window; w = w->parentWidget()) {
        if (!w->objectName().isEmpty() && !w->objectName().startsWith(QLatin1String("qt_")))
            return w;
    }
    return focus;
}

bool isLink(QWidget *control)
{
    QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(control);
    return accessible && accessible->role() == QAccessible::Link;
}

// Whether a person reading the window comes to `first` before `second`: on one row, the one on
// the left; in one column, the one above. Controls in different rows and columns (the two
// columns of a dialog) may come in either order.
bool comesBefore(const QRect &first, const QRect &second)
{
    const bool oneRow = first.top() <= second.bottom() && second.top() <= first.bottom();
    const bool oneColumn = first.left() <= second.right() && second.left() <= first.right();
    return (oneRow && first.right() < second.left()) ||
           (oneColumn && first.bottom() < second.top());
}

// Opens a window as a person does and waits until it has the keyboard; gives the window a
// person sees.
QWidget *openWithKeyboard(const std::function<QWidget *()> &open)
{
    QWidget *form = open();
    if (!form)
        return nullptr;
    QWidget *window = frameAround(form);
    window->activateWindow();
    if (!QTest::qWaitForWindowActive(window->window()) || !QTest::qWaitFor([window] {
            return QApplication::focusWidget() && window->isAncestorOf(QApplication::focusWidget());
        }))
        return nullptr;
    return window;
}

// Every window but the main window, by the names everywindow.h gives them.
void addEveryWindowButTheMain(
    const std::function<void(const QByteArray &name, const std::function<QWidget *()> &open)> &add)
{
    forEveryWindow([&add](const char *name, const std::function<QWidget *()> &open) {
        if (QByteArray(name) != "frmMDI")
            add(name, open);
    });
}

} // namespace

class tst_KeyboardFocus : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cleanup() { closeAllForms(); }
    void everyStopShowsItsFocusOnce_data();
    void everyStopShowsItsFocusOnce();
    void tabFollowsTheLayout_data();
    void tabFollowsTheLayout();
    void returnPressesTheDefaultButton_data();
    void returnPressesTheDefaultButton();
};

void tst_KeyboardFocus::everyStopShowsItsFocusOnce_data()
{
    QTest::addColumn<std::function<QWidget *()>>("open");
    forEveryWindow([](const char *name, const std::function<QWidget *()> &open) {
        QTest::newRow(name) << open;
    });
}

// The window is pictured with the focus on each stop, reached with Tab, and with no focus at all:
// around the stop, the two pictures differ.
void tst_KeyboardFocus::everyStopShowsItsFocusOnce()
{
    QFETCH(std::function<QWidget *()>, open);
    ReadingFixture fixture;
    ScriptedDesktop desktop;
    QWidget *form = open();
    QVERIFY(form);
    QWidget *window = form->window();
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window));
    QVERIFY2(QApplication::focusWidget(), "the window opens with no control in focus");

    QStringList faults;
    const QList<QWidget *> stops = tabRound(faults);
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1String("; "))));
    for (const QWidget *outer : stops) {
        for (const QWidget *inner : stops) {
            if (outer != inner && outer->isAncestorOf(inner))
                faults << nameOf(outer) + QStringLiteral(" holds the stop ") + nameOf(inner);
        }
    }

    for (qsizetype i = 1; i <= stops.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QWidget *stop = stops.at(i % stops.size());
        QCOMPARE(QApplication::focusWidget(), stop);
        const QImage focused = window->grab().toImage();
        stop->clearFocus();
        const QImage unfocused = window->grab().toImage();
        stop->setFocus(Qt::TabFocusReason);
        if (changedPixelsAround(focused, unfocused, stop) == 0)
            faults << nameOf(stop) + QStringLiteral(": shows no focus");
    }
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1String("; "))));

    if (auto *dialog = qobject_cast<QDialog *>(window))
        dialog->close();
}

void tst_KeyboardFocus::tabFollowsTheLayout_data()
{
    QTest::addColumn<std::function<QWidget *()>>("open");
    addEveryWindowButTheMain([](const QByteArray &name, const std::function<QWidget *()> &open) {
        QTest::newRow(name.constData()) << open;
    });
}

// The window opens with the focus on its first Tab stop, which is no link. Tab takes the focus
// through the window's own controls top to bottom, left to right as drawn, each once, and then
// through its links in the same way.
void tst_KeyboardFocus::tabFollowsTheLayout()
{
    QFETCH(std::function<QWidget *()>, open);
    ReadingFixture fixture;
    ScriptedDesktop desktop;
    // Room for every form's designed size: a form squeezed into a small workspace scrolls its top
    // part, whose controls then lie over its buttons on the screen's coordinates.
    frmMDI *main = ReadingFixture::mainWindow();
    main->resize(1600, 1200);
    QTRY_VERIFY(main->workspace()->height() >= 900);
    QWidget *window = openWithKeyboard(open);
    QVERIFY(window);

    QStringList faults;
    const QList<QWidget *> round = tabRound(faults);
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1String("; "))));
    // The stops of the window itself, up to where Tab leaves it.
    QList<TabStop> stops;
    for (QWidget *focus : round) {
        if (!window->isAncestorOf(focus))
            break;
        QWidget *control = namedControl(focus, window);
        stops.append({control, QRect(control->mapTo(window, QPoint(0, 0)), control->size()),
                      isLink(control)});
    }
    QStringList names;
    for (const TabStop &stop : stops)
        names << stop.control->objectName() + (stop.link ? QStringLiteral(" (link)") : QString());
    const QString order = QStringLiteral(" in the Tab order ") + names.join(QLatin1String(", "));

    QVERIFY(!stops.isEmpty());
    QVERIFY2(!stops.first().link, qPrintable("the window opens on a link" + order));
    for (qsizetype i = 0; i < stops.size(); ++i) {
        for (qsizetype j = i + 1; j < stops.size(); ++j) {
            const TabStop &earlier = stops[i];
            const TabStop &later = stops[j];
            const QString pair =
                earlier.control->objectName() + " and " + later.control->objectName() + order;
            QVERIFY2(earlier.control != later.control, qPrintable("two Tab stops for " + pair));
            QVERIFY2(!earlier.link || later.link, qPrintable("a link comes first of " + pair));
            if (earlier.link == later.link)
                QVERIFY2(!comesBefore(later.rect, earlier.rect),
                         qPrintable("against the layout: " + pair));
        }
    }
    if (auto *dialog = qobject_cast<QDialog *>(window))
        dialog->close();
}

void tst_KeyboardFocus::returnPressesTheDefaultButton_data()
{
    QTest::addColumn<std::function<QWidget *()>>("open");
    QTest::addColumn<QString>("outcome");
    addEveryWindowButTheMain([](const QByteArray &name, const std::function<QWidget *()> &open) {
        QString outcome = QStringLiteral("nothing"); // the display forms have no default button
        if (name == "frmAbout")
            outcome = QStringLiteral("closed");
        else if (name == "frmKarmicAstrologySave")
            outcome = QStringLiteral("save dialog");
        else if (name == "frmNagScreen2")
            outcome = QStringLiteral("Please Enter Proper Email Address");
        else if (name.startsWith("KarmicDebt") || name.startsWith("KarmicLesson") ||
                 name.startsWith("KarmicProfile"))
            outcome =
                name.endsWith("input") ? QStringLiteral("Please Enter Your First Name") : outcome;
        else if (name.endsWith("input"))
            outcome = QStringLiteral("Please Enter Your Name");
        QTest::newRow(name.constData()) << open << outcome;
    });
}

// Return, pressed as the window opens, does what its default button does (OK closes the About
// box, Save asks for a file, Next and Refer A Friend Now check the empty entry) and never opens
// a web page.
void tst_KeyboardFocus::returnPressesTheDefaultButton()
{
    QFETCH(std::function<QWidget *()>, open);
    QFETCH(QString, outcome);
    ReadingFixture fixture;
    ScriptedDesktop desktop;
    QWidget *window = openWithKeyboard(open);
    QVERIFY(window);

    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);

    QCOMPARE(desktop.openedUrls, QList<QUrl>());
    // A display form has no default button: where the desktop lets Return press the focused
    // button (GTK's), Back may take the user back; elsewhere Return does nothing there.
    if (outcome != "nothing")
        QCOMPARE(window->isVisible(), outcome != "closed");
    QCOMPARE(desktop.fileRequests.size(), outcome == "save dialog" ? 1 : 0);
    if (outcome == "save dialog")
        QCOMPARE(desktop.fileRequests[0].title, QStringLiteral("Lumo Free Karmic Astrology"));
    const bool message = outcome != "nothing" && outcome != "closed" && outcome != "save dialog";
    QCOMPARE(desktop.messageTexts(), message ? QStringList{outcome} : QStringList());
    if (auto *dialog = qobject_cast<QDialog *>(window))
        dialog->close();
}

QTEST_MAIN(tst_KeyboardFocus)
#include "tst_keyboardfocus.moc"
