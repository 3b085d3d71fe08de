#pragma once

#include "app/frmmdi.h"
#include "app/startup.h"
#include "forms/inputform.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QLineEdit>
#include <QTest>

namespace Lumo::Testing {

// Opens the real main window and drives a reading through its input form.
struct ReadingFixture
{
    ReadingFixture()
    {
        installShell();
        Forms::get<frmMDI>()->showForm();
    }
    ~ReadingFixture() { closeAll(); }

    static void closeAll()
    {
        for (Form *form : FormRegistry::loadedForms())
            form->unload();
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
