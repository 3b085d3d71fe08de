#pragma once

// The members of the numerology forms, for the files that instantiate them with a complete
// generated ui class.

#include "forms/textboxes.h"
#include "namenumbers.h"
#include "numerologyforms.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

namespace Lumo {

template <class FormUi, class Display>
NumerologyInputForm<FormUi, Display>::NumerologyInputForm(Reading reading)
    : InputForm({.firstYear = 1900, .lastYear = 2050, .remindsUpdate = true}),
      ui(std::make_unique<FormUi>()), m_reading(reading)
{
    ui->setupUi(this);
    connectInputControls({.cboDate = ui->cboDate,
                          .cboMonth = ui->cboMonth,
                          .cboYear = ui->cboYear,
                          .txtFirstName = ui->txtFirstName,
                          .txtMiddleName = ui->txtMiddleName,
                          .txtLastName = ui->txtLastName,
                          .cmdNext = ui->cmdNext,
                          .cmdExit = ui->cmdExit,
                          .nextItem = ui->mnuNext,
                          .mnuExit = ui->mnuExit});
    connectMenuLinks(*ui, ui->mkmoney);
}

template <class FormUi, class Display>
NumerologyInputForm<FormUi, Display>::~NumerologyInputForm() = default;

template <class FormUi, class Display> void NumerologyInputForm<FormUi, Display>::cmdNext_Click()
{
    if (!ValidateEntry())
        return;
    auto *display = displayForm<Display>();
    handOverTo(display);
    const QString name =
        fullName(ui->txtFirstName->text(), ui->txtMiddleName->text(), ui->txtLastName->text());
    display->showReading(m_reading(name, birthDayNumber(ui->cboDate->currentText())));
}

template <class FormUi>
NumerologyDisplayForm<FormUi>::NumerologyDisplayForm() : ui(std::make_unique<FormUi>())
{
    ui->setupUi(this);
    m_readingText = ui->txtDisplay;
    connectDisplayControls(ui->cmdback);
    connectLinks({ui->Label61, ui->lblFullBrand, ui->lblCobrand});
    preventCopying(m_readingText);
    connect(ui->cmdprint, &QPushButton::clicked, this, &NumerologyDisplayForm::cmdprint_Click);
}

template <class FormUi> NumerologyDisplayForm<FormUi>::~NumerologyDisplayForm() = default;

template <class FormUi> void NumerologyDisplayForm<FormUi>::showReading(const QString &text)
{
    showReadingText(m_readingText, text);
}

template <class FormUi> void NumerologyDisplayForm<FormUi>::cmdprint_Click()
{
    printReadingText(m_readingText);
}

} // namespace Lumo
