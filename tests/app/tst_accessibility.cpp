#include "support/everywindow.h"
#include "support/readingfixture.h"
#include "support/scripteddesktop.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QApplication>
#include <QDialog>
#include <QPushButton>
#include <QTest>

#include <functional>

using namespace Lumo;
using namespace Lumo::Testing;

// What a screen reader meets: every control a person can act on, on every window, tells its name
// and offers an action, and the main window starts with its first reading button in focus.
class tst_Accessibility : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cleanup() { closeAllForms(); }
    void controlsHaveNameAndAction_data();
    void controlsHaveNameAndAction();
    void firstReadingButtonHasFocusAtStart();

private:
    static QStringList silentControls(QWidget *window);
};

// A control can be acted on when Tab reaches it or it is a button; decorative pictures and
// captions are neither.
static bool actedOn(const QWidget *control)
{
    return (control->focusPolicy() & Qt::TabFocus) ||
           qobject_cast<const QAbstractButton *>(control);
}

QStringList tst_Accessibility::silentControls(QWidget *window)
{
    QStringList faults;
    for (QWidget *control : window->findChildren<QWidget *>()) {
        if (!control->isVisibleTo(window) || !control->isEnabled() || !actedOn(control) ||
            control->objectName().startsWith(QLatin1String("qt_")))
            continue;
        QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(control);
        if (!accessible) {
            faults << control->objectName() + QStringLiteral(": not accessible");
            continue;
        }
        if (accessible->text(QAccessible::Name).trimmed().isEmpty())
            faults << control->objectName() + QStringLiteral(": no name");
        QAccessibleActionInterface *actions = accessible->actionInterface();
        if (!actions || actions->actionNames().isEmpty())
            faults << control->objectName() + QStringLiteral(": no action");
    }
    return faults;
}

void tst_Accessibility::controlsHaveNameAndAction_data()
{
    QTest::addColumn<std::function<QWidget *()>>("open");
    forEveryWindow([](const char *name, const std::function<QWidget *()> &open) {
        QTest::newRow(name) << open;
    });
}

void tst_Accessibility::controlsHaveNameAndAction()
{
    QFETCH(std::function<QWidget *()>, open);
    ReadingFixture fixture;
    ScriptedDesktop desktop;
    QWidget *window = open();
    QVERIFY(window);
    QVERIFY(QTest::qWaitForWindowExposed(window->window()));
    const QStringList faults = silentControls(window);
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(QLatin1String("; "))));
    if (auto *dialog = qobject_cast<QDialog *>(window))
        dialog->close();
}

void tst_Accessibility::firstReadingButtonHasFocusAtStart()
{
    ReadingFixture fixture;
    frmMDI *main = ReadingFixture::mainWindow();
    QVERIFY(QTest::qWaitForWindowActive(main));
    auto *first = main->findChild<QPushButton *>(QStringLiteral("cmdSelectOption_0"));
    QVERIFY(first);
    QTRY_COMPARE(QApplication::focusWidget(), first);
}

QTEST_MAIN(tst_Accessibility)
#include "tst_accessibility.moc"
