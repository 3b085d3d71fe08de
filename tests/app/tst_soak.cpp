#include "app/frmmdi.h"
#include "forms/displayform.h"
#include "forms/inputform.h"
#include "support/readingfixture.h"
#include "support/scripteddesktop.h"

#include <QApplication>
#include <QLineEdit>
#include <QTest>

using namespace Lumo;
using namespace Lumo::Testing;

// Opens every reading many times over, through its forms, and checks that nothing is left behind.
class tst_Soak : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void manyReadingsLeaveNoWidgetsBehind();

private:
    static void runReading(frmMDI *main, int index);
};

void tst_Soak::runReading(frmMDI *main, int index)
{
    main->OpenReading(index);
    auto *input = qobject_cast<InputForm *>(latestReadingForm(main->workspace()));
    QVERIFY(input);
    for (QLineEdit *box :
         {control<QLineEdit>(input, "txtName"), control<QLineEdit>(input, "txtFirstName"),
          control<QLineEdit>(input, "txtLastName")}) {
        if (box)
            box->setText(QStringLiteral("ANN"));
    }
    pickDate(input, QStringLiteral("5"), QStringLiteral("May"), QStringLiteral("1960"));
    input->cmdNext_Click();
    auto *display = qobject_cast<DisplayForm *>(latestReadingForm(main->workspace()));
    QVERIFY(display);
    display->cmdBack_Click();
    QVERIFY(input->isFormVisible());
    input->cmdExit_Click();
    // Handle what the round posted (layouts, repaints, deletions) as the event loop would;
    // left in the queue, those events pile up and slow every later round.
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void tst_Soak::manyReadingsLeaveNoWidgetsBehind()
{
    ReadingFixture fixture;
    ScriptedDesktop desktop;
    frmMDI *main = fixture.mainWindow();
    runReading(main, 0); // lets Qt create what it keeps for the whole run (styles, fonts)
    const qsizetype widgetsBefore = QApplication::allWidgets().size();

    constexpr int Rounds = 1000;
    for (int round = 0; round < Rounds; ++round) {
        for (int reading = 0; reading < frmMDI::ReadingCount; ++reading) {
            runReading(main, reading);
            if (QTest::currentTestFailed())
                return;
        }
    }

    QCOMPARE(QApplication::allWidgets().size(), widgetsBefore);
    QCOMPARE(loadedForms().size(), 1);
    QVERIFY(desktop.messages.isEmpty());
    QVERIFY(main->startPanel()->isVisible());
}

QTEST_MAIN(tst_Soak)
#include "tst_soak.moc"
