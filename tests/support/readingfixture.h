#pragma once

#include "app/frmmdi.h"
#include "app/startup.h"
#include "forms/inputform.h"
#include "support/formdriving.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QLineEdit>
#include <QSettings>
#include <QStandardPaths>
#include <QTest>

#include <functional>

namespace Lumo::Testing {

// Opens the real main window and drives a reading through its input form.
struct ReadingFixture
{
    ReadingFixture()
    {
        QStandardPaths::setTestModeEnabled(true);
        // Every test starts with the main window at its designed size in the middle of the screen,
        // where it opens when its saved place lies off every screen.
        QSettings().remove(WindowGeometryKey);
        QSettings().setValue(WindowMaximizedKey, false);
        openedForm<frmMDI>()->showForm();
    }
    ~ReadingFixture() { closeAllForms(); }

    static frmMDI *mainWindow() { return openedForm<frmMDI>(); }

    // Something that opens a reading's input form (by the main window's button index) or, with
    // the name "ANN LEE" and the first date of its lists, its display form, and gives it.
    static std::function<QWidget *()> formOpener(int reading, bool display)
    {
        return [reading, display]() -> QWidget * {
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

} // namespace Lumo::Testing
