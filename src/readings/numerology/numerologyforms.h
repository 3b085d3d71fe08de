#pragma once

#include "forms/displayform.h"
#include "forms/inputform.h"
#include "forms/textboxes.h"
#include "namenumbers.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

namespace Lumo {

// The Karmic Debt Number and Karmic Lesson Number input forms: first, middle and last name, the
// same years and messages, and a reading text made from the full name and the day of birth,
// shown on the display form Display.
template <class FormUi, class Display> class NumerologyInputForm : public InputForm
{
public:
    using Reading = QString (*)(const QString &fullName, int birthDay);

    explicit NumerologyInputForm(Reading reading)
        : InputForm({.firstYear = 1900, .lastYear = 2050, .remindsUpdate = true}),
          m_reading(reading)
    {
        ui.setupUi(this);
        connectInputControls({.cboDate = ui.cboDate,
                              .cboMonth = ui.cboMonth,
                              .cboYear = ui.cboYear,
                              .txtFirstName = ui.txtFirstName,
                              .txtMiddleName = ui.txtMiddleName,
                              .txtLastName = ui.txtLastName,
                              .cmdNext = ui.cmdNext,
                              .cmdExit = ui.cmdExit,
                              .nextItem = ui.mnuNext,
                              .mnuExit = ui.mnuExit});
        connectMenuLinks(ui, ui.mkmoney);
    }

    // The display form is shown first, then the reading is written into it.
    void cmdNext_Click() override
    {
        if (!ValidateEntry())
            return;
        auto *display = Forms::get<Display>();
        handOverTo(display);
        const QString name =
            fullName(txtFirstName->text(), txtMiddleName->text(), txtLastName->text());
        display->showReading(m_reading(name, birthDayNumber(cboDate->currentText())));
    }

private:
    FormUi ui;
    Reading m_reading;
};

// The display forms of the two numerology readings: the reading text, Back and Print.
template <class FormUi> class NumerologyDisplayForm : public DisplayForm
{
public:
    NumerologyDisplayForm()
    {
        ui.setupUi(this);
        connectDisplayControls(ui.cmdback);
        connectLinks({ui.Label61, ui.lblFullBrand, ui.lblCobrand});
        preventCopying(ui.txtDisplay);
        connect(ui.cmdprint, &QPushButton::clicked, this, &NumerologyDisplayForm::cmdprint_Click);
    }

    void showReading(const QString &text) { showReadingText(ui.txtDisplay, text); }
    void cmdprint_Click() { printReadingText(ui.txtDisplay); }

private:
    FormUi ui;
};

} // namespace Lumo
