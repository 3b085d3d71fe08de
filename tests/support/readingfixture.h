#pragma once

#include "app/frmmdi.h"
#include "app/startup.h"
#include "forms/displayform.h"
#include "forms/inputform.h"
#include "support/formdriving.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QSettings>
#include <QStandardPaths>
#include <QTest>

#include <functional>

namespace Lumo::Testing {

// Every test starts with the main window at its designed size in the middle of the screen, where
// it opens when its saved place lies off every screen.
inline void forgetMainWindowPlacement()
{
    QWidget offScreen;
    offScreen.setGeometry(-30000, -30000, 800, 600);
    QSettings().setValue(WindowPlacementKey, offScreen.saveGeometry());
}

// Opens the real main window and drives a reading through its input form.
struct ReadingFixture
{
    ReadingFixture()
    {
        QStandardPaths::setTestModeEnabled(true);
        forgetMainWindowPlacement();
        openedForm<frmMDI>()->showForm();
    }
    ~ReadingFixture() { closeAllForms(); }

    static frmMDI *mainWindow() { return openedForm<frmMDI>(); }

    // Something that opens a reading's input form (by the main window's button index) or, with
    // the name "ANN LEE" and the first date of its lists, its display form, and gives it.
    // The reading after the last button's is the Karmic Profile.
    static std::function<QWidget *()> formOpener(int reading, bool display)
    {
        return [reading, display]() -> QWidget * {
            if (reading == frmMDI::ReadingCount)
                mainWindow()->openKarmicProfile();
            else
                mainWindow()->OpenReading(reading);
            auto *input = mainWindow()->activeMdiChild();
            if (!display)
                return input;
            for (QLineEdit *box :
                 {control<QLineEdit>(input, "txtName"), control<QLineEdit>(input, "txtFirstName"),
                  control<QLineEdit>(input, "txtLastName")}) {
                if (box)
                    box->setText(QStringLiteral("ANN LEE"));
            }
            input->cmdNext_Click();
            return latestReadingForm(mainWindow()->workspace());
        };
    }

    static void typeName(QLineEdit *box, const QString &name)
    {
        box->clear();
        QTest::keyClicks(box, name);
    }
};

// Drives the real main window and the reading forms inside it, as a user would.
namespace FormsFixture {

inline void flushDeletes()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// Shows the main window (once) and waits until it can take focus and mouse events.
inline frmMDI *mainWindow()
{
    if (!loadedForm<frmMDI>())
        forgetMainWindowPlacement();
    frmMDI *main = openedForm<frmMDI>();
    if (!main->isVisible()) {
        main->showForm();
        main->activateWindow();
        if (!QTest::qWaitForWindowActive(main))
            qWarning("main window did not become active");
    }
    return main;
}

inline bool startPanelVisible()
{
    return mainWindow()->startPanel()->isVisible();
}

// Loaded forms other than the main window.
inline QList<Form *> readingForms()
{
    QList<Form *> forms = loadedForms();
    forms.removeAll(loadedForm<frmMDI>());
    return forms;
}

// Closes the reading forms and checks that no window but the main window is left.
inline void closeReadingForms()
{
    mainWindow()->closeReadings();
    flushDeletes();
    verifyNoWindowLeft({loadedForm<frmMDI>()});
}

// Readings in the order of the main window's buttons, then the Karmic Profile of all five.
enum Reading { Astrology, KarmicDebt, KarmicLesson, Soulmate, Spiritual, Profile };

inline bool hasNameBoxes(int reading)
{
    return reading == KarmicDebt || reading == KarmicLesson || reading == Profile;
}

inline InputForm *openInputForm(int reading)
{
    if (reading == Profile)
        mainWindow()->openKarmicProfile();
    else
        mainWindow()->OpenReading(reading);
    flushDeletes();
    return loadedForm<InputForm>();
}

// Fills the name: the single name box gets the first name.
inline void enterName(InputForm *form, const QString &first, const QString &last)
{
    if (control<QLineEdit>(form, "txtName")) {
        control<QLineEdit>(form, "txtName")->setText(first);
        return;
    }
    control<QLineEdit>(form, "txtFirstName")->setText(first);
    control<QLineEdit>(form, "txtLastName")->setText(last);
}

inline QPushButton *button(QWidget *form, const QString &name)
{
    return form->findChild<QPushButton *>(name);
}

inline void clickNext(InputForm *form)
{
    QTest::mouseClick(button(form, QStringLiteral("cmdNext")), Qt::LeftButton);
    flushDeletes();
}

// Opens a reading with a valid entry and goes on to its display form.
inline DisplayForm *openDisplayForm(int reading)
{
    InputForm *input = openInputForm(reading);
    enterName(input, QStringLiteral("ANN"), QStringLiteral("LEE"));
    pickDate(input, QStringLiteral("5"), QStringLiteral("May"), QStringLiteral("1960"));
    clickNext(input);
    return loadedForm<DisplayForm>();
}

} // namespace FormsFixture

} // namespace Lumo::Testing
