#include "signforms.h"
#include "ui_signdisplay.h"
#include "ui_signinput.h"

#include "common/names.h"
#include "fixedcolours.h"

namespace Lumo {

SignDisplayForm::SignDisplayForm(const SignReading &reading)
    : ui(std::make_unique<Ui::SignDisplayForm>()), m_reading(reading)
{
    ui->setupUi(this);
    const SignReading::Names &names = reading.names;
    const SignReading::Captions &captions = reading.captions;
    setObjectName(names.display);
    setWindowTitle(captions.title);
    ui->fraSign->setObjectName(names.frame);
    ui->fraSign->setTitle(captions.frame);
    ui->lblBodyKnownAs->setObjectName(names.knownAs);
    ui->lblBodyKnownAs->setText(captions.knownAs);
    ui->lblBodyPlacedIn->setObjectName(names.placedIn);
    ui->lblBodyPlacedIn->setText(captions.placedIn);
    ui->lblSign->setObjectName(names.sign);
    setClassicColours(ui->fraSign);
    setTextColour(ui->lblSign, FixedColour::Sign);
    connectDisplayControls(ui->cmdBack, ui->cmdExit, ui->mnuFileBack, ui->mnuExit);
    connectMenuLinks(*ui, ui->mnuMakeMoneyOnline);
}

SignDisplayForm::~SignDisplayForm() = default;

void SignDisplayForm::showSign(std::optional<Zodiac::Sign> sign)
{
    if (sign)
        ui->lblSignDesc->setText(m_reading.describe(*sign));
    ui->lblSign->setText(sign ? signName(*sign) : QString());
}

SignInputForm::SignInputForm(const SignReading &reading)
    : InputForm({.firstYear = reading.firstYear, .lastYear = reading.lastYear}),
      ui(std::make_unique<Ui::SignInputForm>()), m_reading(reading)
{
    ui->setupUi(this);
    setObjectName(reading.names.input);
    setWindowTitle(reading.captions.title);
    ui->Label3->setText(reading.captions.intro);
    ui->cmdNext->setText(reading.captions.find);
    ui->mnuFind->setObjectName(reading.names.findItem);
    ui->mnuFind->setText(reading.captions.find);
    connectInputControls(singleNameControls(*ui, ui->mnuFind));
    connectMenuLinks(*ui, ui->mnuMakeMoneyOnline);
}

SignInputForm::~SignInputForm() = default;

void SignInputForm::cmdNext_Click()
{
    if (!ValidateEntry())
        return;
    const QDate birthDate(ui->cboYear->currentText().toInt(),
                          monthNumber(ui->cboMonth->currentText()),
                          ui->cboDate->currentText().toInt());
    if (const std::optional<Zodiac::Sign> found = m_reading.findSign(birthDate))
        m_lastSign = found;
    auto *display = displayForm<SignDisplayForm>(m_reading);
    display->showSign(m_lastSign);
    handOverTo(display);
}

} // namespace Lumo
