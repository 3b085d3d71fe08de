#include "numerologyforms.h"
#include "ui_numerologydisplay.h"
#include "ui_numerologyinput.h"

#include "forms/textboxes.h"
#include "karmicdebt.h"
#include "karmiclessons.h"
#include "namenumbers.h"

namespace Lumo {

const NumerologyReading KarmicDebtNumber{
    .inputName = QStringLiteral("frmKarmicDebtNumberMain"),
    .displayName = QStringLiteral("frmKarmicDebtNoDisplay"),
    .title = QStringLiteral("Lumo Karmic Debt Number"),
    .readingName = QStringLiteral("Karmic Debt Number reading"),
    .readingText = [](const QString &fullName, int birthDay) {
        return karmicDebtReading(karmicDebtNumber(nameNumbers(fullName), birthDay));
    }};

// The lessons depend on the name alone.
const NumerologyReading KarmicLessonNumber{
    .inputName = QStringLiteral("frmKarmicLessonNumberMain"),
    .displayName = QStringLiteral("frmKarmicLessionNoDisplay"),
    .title = QStringLiteral("Lumo Karmic Lesson Number"),
    .readingName = QStringLiteral("Karmic Lesson Number reading"),
    .readingText = [](const QString &fullName, int) { return karmicLessonReading(fullName); }};

NumerologyDisplayForm::NumerologyDisplayForm(const NumerologyReading &reading)
    : ui(std::make_unique<Ui::NumerologyDisplayForm>())
{
    ui->setupUi(this);
    setObjectName(reading.displayName);
    setWindowTitle(reading.title);
    ui->txtDisplay->setAccessibleName(reading.readingName);
    connectDisplayControls(ui->cmdback);
    connectLinks({{ui->Label61, Page::Home},
                  {ui->lblFullBrand, Page::FullyBranded},
                  {ui->lblCobrand, Page::CoBrand}});
    preventCopying(ui->txtDisplay);
    connect(ui->cmdprint, &QPushButton::clicked, this, &NumerologyDisplayForm::cmdprint_Click);
}

NumerologyDisplayForm::~NumerologyDisplayForm() = default;

void NumerologyDisplayForm::showReading(const QString &text)
{
    showReadingText(ui->txtDisplay, text);
}

void NumerologyDisplayForm::cmdprint_Click()
{
    printReadingText(ui->txtDisplay);
}

NumerologyInputForm::NumerologyInputForm(const NumerologyReading &reading)
    : InputForm({.firstYear = 1900, .lastYear = 2050, .remindsUpdate = true}),
      ui(std::make_unique<Ui::NumerologyInputForm>()), m_reading(reading)
{
    ui->setupUi(this);
    setObjectName(reading.inputName);
    setWindowTitle(reading.title);
    connectInputControls(threeNameControls(*ui));
    connectMenuLinks(*ui, ui->mkmoney);
}

NumerologyInputForm::~NumerologyInputForm() = default;

void NumerologyInputForm::cmdNext_Click()
{
    if (!ValidateEntry())
        return;
    auto *display = displayForm<NumerologyDisplayForm>(m_reading);
    handOverTo(display);
    const QString name =
        fullName(ui->txtFirstName->text(), ui->txtMiddleName->text(), ui->txtLastName->text());
    display->showReading(m_reading.readingText(name, birthDayNumber(ui->cboDate->currentText())));
}

} // namespace Lumo
