#pragma once

#include "app/frmmdi.h"
#include "app/startup.h"
#include "forms/inputform.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QLineEdit>
#include <QSettings>
#include <QStandardPaths>
#include <QTest>

namespace Lumo::Testing {

// Opens the real main window and drives a reading through its input form.
struct ReadingFixture
{
    ReadingFixture()
    {
        QStandardPaths::setTestModeEnabled(true);
        // Every test starts with the main window where a first run puts it.
        QSettings(QString(), programName()).remove(WindowGroup);
        installShell();
        Forms::get<frmMDI>()->showForm();
    }
    ~ReadingFixture() { closeAll(); }

    // Unloads every form, including the support dialog that closing the main window opens.
    static void closeAll()
    {
        while (!FormRegistry::loadedForms().isEmpty()) {
            for (Form *form : FormRegistry::loadedForms())
                form->unload();
        }
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    static frmMDI *mainWindow() { return Forms::get<frmMDI>(); }

    // Picks a date by the list texts, as a user would.
    static void pickDate(InputForm *form, const QString &day, const QString &month,
                         const QString &year)
    {
        form->cboDate->setCurrentIndex(form->cboDate->findText(day));
        form->cboMonth->setCurrentIndex(form->cboMonth->findText(month));
        form->cboYear->setCurrentIndex(form->cboYear->findText(year));
    }

    static void typeName(QLineEdit *box, const QString &name)
    {
        box->clear();
        QTest::keyClicks(box, name);
    }
};

} // namespace Lumo::Testing
