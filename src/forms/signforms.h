#pragma once

#include "displayform.h"
#include "fixedcolours.h"
#include "inputform.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

#include <optional>

namespace Lumo {

// The input form of a zodiac sign reading (soulmate, spiritual): a name, a date of birth in the
// reading's years, and a sign looked up in the reading's table and shown on the display form
// Display. NextItem is the File menu's item that runs Next (a member of FormUi). The form keeps
// the last sign its table found for as long as it is loaded: a lookup that finds nothing shows
// that sign again.
template <class FormUi, class Display, auto NextItem> class SignInputForm : public InputForm
{
public:
    // Looks the year, month and day texts up in the reading's table; nothing when it has no row.
    using FindSign = std::optional<QString> (*)(const QString &yearText, const QString &monthText,
                                                const QString &dayText);

    SignInputForm(int firstYear, int lastYear, FindSign findSign)
        : InputForm({.firstYear = firstYear, .lastYear = lastYear}), m_findSign(findSign)
    {
        ui.setupUi(this);
        connectInputControls(singleNameControls(ui, ui.*NextItem));
        connectMenuLinks(ui, ui.mnuMakeMoneyOnline);
    }

    // The sign found by the last lookup that found one; empty until then.
    const QString &lastSign() const { return m_lastSign; }

    // The sign is written into the display form first, then the form is shown.
    void cmdNext_Click() override
    {
        if (!ValidateEntry())
            return;
        const std::optional<QString> found =
            m_findSign(cboYear->currentText(), cboMonth->currentText(), cboDate->currentText());
        if (found)
            m_lastSign = *found;
        auto *display = Forms::get<Display>();
        display->showSign(m_lastSign);
        handOverTo(display);
    }

private:
    FormUi ui;
    FindSign m_findSign;
    QString m_lastSign;
};

// The display form of a zodiac sign reading: the sign in red in its frame (SignFrame, SignLabel:
// members of FormUi) and its description.
template <class FormUi, auto SignFrame, auto SignLabel> class SignDisplayForm : public DisplayForm
{
public:
    // The description of a sign; a null text for a sign without one.
    using Describe = QString (*)(const QString &sign);

    explicit SignDisplayForm(Describe describe) : m_describe(describe)
    {
        ui.setupUi(this);
        setClassicColours(ui.*SignFrame);
        setTextColour(ui.*SignLabel, FixedColour::Sign);
        connectDisplayControls(ui.cmdBack, ui.cmdExit, ui.mnuFileBack, ui.mnuExit);
        connectMenuLinks(ui, ui.mnuMakeMoneyOnline);
    }

    // Shows a sign with its description; a sign without one keeps the description shown.
    void showSign(const QString &sign)
    {
        const QString description = m_describe(sign);
        if (!description.isNull())
            ui.lblSignDesc->setText(description);
        (ui.*SignLabel)->setText(sign);
    }

private:
    FormUi ui;
    Describe m_describe;
};

} // namespace Lumo
