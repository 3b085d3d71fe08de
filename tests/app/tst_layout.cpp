#include "app/frmabout.h"
#include "app/frmmdi.h"
#include "app/frmnagscreen2.h"
#include "readings/astrology/frmkarmicastrologydisplay.h"
#include "readings/astrology/frmkarmicastrologymain.h"
#include "readings/astrology/frmkarmicastrologysave.h"
#include "readings/numerology/frmkarmicdebtnodisplay.h"
#include "readings/numerology/frmkarmicdebtnumbermain.h"
#include "readings/numerology/frmkarmiclessionnodisplay.h"
#include "readings/numerology/frmkarmiclessonnumbermain.h"
#include "readings/soulmate/frmzodiacsoulmatesigndisplay.h"
#include "readings/soulmate/frmzodiacsoulmatesignmain.h"
#include "readings/spiritual/frmzodiacspiritualsigndisplay.h"
#include "readings/spiritual/frmzodiacspiritualsignmain.h"
#include "support/readingfixture.h"
#include "support/scripteddesktop.h"

#include <QAbstractButton>
#include <QLabel>
#include <QTest>

#include <functional>

using namespace Lumo;
using namespace Lumo::Testing;

// Builds every window and checks that each control lies inside its window (a control in the
// scrolling top part of a form: inside that part's contents) and that every single-line caption
// fits its control.
class tst_Layout : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cleanup() { closeAllForms(); }
    void controlsFitTheirWindow_data();
    void controlsFitTheirWindow();

private:
    static QStringList layoutFaults(QWidget *window);
};

QStringList tst_Layout::layoutFaults(QWidget *window)
{
    QStringList faults;
    const QList<QWidget *> controls = window->findChildren<QWidget *>();
    for (QWidget *control : controls) {
        if (!control->isVisibleTo(window) || control->objectName().startsWith(QLatin1String("qt_")))
            continue;
        // The contents scroll inside the top part, which itself must lie inside the window.
        if (control->objectName() == QLatin1String("formBodyContents"))
            continue;
        QWidget *area = window;
        for (QWidget *parent = control->parentWidget(); parent != window;
             parent = parent->parentWidget()) {
            if (parent->objectName() == QLatin1String("formBodyContents")) {
                area = parent;
                break;
            }
        }
        const QRect rect(control->mapTo(area, QPoint(0, 0)), control->size());
        if (!area->rect().contains(rect))
            faults << QStringLiteral("%1 lies outside its window").arg(control->objectName());

        QString caption;
        if (auto *label = qobject_cast<QLabel *>(control); label && !label->wordWrap())
            caption = label->text();
        else if (auto *button = qobject_cast<QAbstractButton *>(control))
            caption = button->text();
        if (caption.isEmpty())
            continue;
        const QSize needed = control->sizeHint();
        if (needed.width() > control->width() || needed.height() > control->height())
            faults << QStringLiteral("the caption of %1 does not fit").arg(control->objectName());
    }
    return faults;
}

void tst_Layout::controlsFitTheirWindow_data()
{
    QTest::addColumn<std::function<QWidget *()>>("open");
    const auto reading = &ReadingFixture::formOpener;
    QTest::newRow("frmMDI") << std::function<QWidget *()>(
        []() -> QWidget * { return ReadingFixture::mainWindow(); });
    const char *names[] = {"KarmicAstrology", "KarmicDebtNumber", "KarmicLessonNumber",
                           "ZodiacSoulmateSign", "ZodiacSpiritualSign"};
    for (int i = 0; i < frmMDI::ReadingCount; ++i) {
        QTest::addRow("%s input", names[i]) << reading(i, false);
        QTest::addRow("%s display", names[i]) << reading(i, true);
    }
    QTest::newRow("frmAbout") << std::function<QWidget *()>([]() -> QWidget * {
        auto *about = new frmAbout(ReadingFixture::mainWindow());
        about->setAttribute(Qt::WA_DeleteOnClose);
        about->show();
        return about;
    });
    QTest::newRow("frmKarmicAstrologySave") << std::function<QWidget *()>([=]() -> QWidget * {
        auto *display = static_cast<frmKarmicAstrologyDisplay *>(reading(0, true)());
        auto *report = new frmKarmicAstrologySave(display->reading(), display);
        report->setAttribute(Qt::WA_DeleteOnClose);
        report->show();
        return report;
    });
    QTest::newRow("frmNagScreen2") << std::function<QWidget *()>([]() -> QWidget * {
        auto *support = Forms::get<frmNagScreen2>();
        support->showForm();
        return support;
    });
}

void tst_Layout::controlsFitTheirWindow()
{
    QFETCH(std::function<QWidget *()>, open);
    ReadingFixture fixture;
    ScriptedDesktop desktop;
    QWidget *window = open();
    QVERIFY(window);
    QVERIFY(QTest::qWaitForWindowExposed(window->window()));

    const QStringList faults = layoutFaults(window);
    if (!faults.isEmpty())
        QFAIL(qPrintable(faults.join(QLatin1String("; "))));
    if (auto *dialog = qobject_cast<QDialog *>(window))
        dialog->close();
}

QTEST_MAIN(tst_Layout)
#include "tst_layout.moc"
