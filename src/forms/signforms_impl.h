#pragma once

// The members of the zodiac sign forms, for the files that instantiate them with a complete
// generated ui class.

#include "common/names.h"
#include "fixedcolours.h"
#include "signforms.h"
#include "sizecachinglabel.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>

namespace Lumo {

template <class FormUi, class Display>
SignInputForm<FormUi, Display>::SignInputForm(int firstYear, int lastYear, FindSign findSign,
                                              QAction *FormUi::*nextItem)
    : InputForm({.firstYear = firstYear, .lastYear = lastYear}), ui(std::make_unique<FormUi>()),
      m_findSign(findSign)
{
    ui->setupUi(this);
    connectInputControls(singleNameControls(*ui, (*ui).*nextItem));
    connectMenuLinks(*ui, ui->mnuMakeMoneyOnline);
}

template <class FormUi, class Display> SignInputForm<FormUi, Display>::~SignInputForm() = default;

template <class FormUi, class Display> void SignInputForm<FormUi, Display>::cmdNext_Click()
{
    if (!ValidateEntry())
        return;
    const QDate birthDate(ui->cboYear->currentText().toInt(),
                          monthNumber(ui->cboMonth->currentText()),
                          ui->cboDate->currentText().toInt());
    const std::optional<QString> found = m_findSign(birthDate);
    if (found)
        m_lastSign = *found;
    auto *display = displayForm<Display>();
    display->showSign(m_lastSign);
    handOverTo(display);
}

template <class FormUi>
SignDisplayForm<FormUi>::SignDisplayForm(Describe describe, QGroupBox *FormUi::*signFrame,
                                         SizeCachingLabel *FormUi::*signLabel)
    : ui(std::make_unique<FormUi>()), m_describe(describe)
{
    ui->setupUi(this);
    m_signLabel = (*ui).*signLabel;
    m_descriptionLabel = ui->lblSignDesc;
    setClassicColours((*ui).*signFrame);
    setTextColour(m_signLabel, FixedColour::Sign);
    connectDisplayControls(ui->cmdBack, ui->cmdExit, ui->mnuFileBack, ui->mnuExit);
    connectMenuLinks(*ui, ui->mnuMakeMoneyOnline);
}

template <class FormUi> SignDisplayForm<FormUi>::~SignDisplayForm() = default;

template <class FormUi> void SignDisplayForm<FormUi>::showSign(const QString &sign)
{
    const QString description = m_describe(sign);
    if (!description.isNull())
        m_descriptionLabel->setText(description);
    m_signLabel->setText(sign);
}

} // namespace Lumo
