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
    ~ReadingFixture() { closeAllForms(); }

    static frmMDI *mainWindow() { return Forms::get<frmMDI>(); }

    static void typeName(QLineEdit *box, const QString &name)
    {
        box->clear();
        QTest::keyClicks(box, name);
    }
};

} // namespace Lumo::Testing
