// Every window walked with Tab, as a keyboard user does: each stop shows that it has the focus,
// and each control is one stop.
#include "support/everywindow.h"
#include "support/readingfixture.h"
#include "support/scripteddesktop.h"

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

} // namespace

class tst_KeyboardFocus : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cleanup() { closeAllForms(); }
    void everyStopShowsItsFocusOnce_data();
    void everyStopShowsItsFocusOnce();
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

QTEST_MAIN(tst_KeyboardFocus)
#include "tst_keyboardfocus.moc"
