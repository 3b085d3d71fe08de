#include "frmkarmicastrologymain.h"
#include "ui_frmkarmicastrologymain.h"

#include "common/birthyears.h"
#include "forms/desktop.h"
#include "forms/textboxes.h"
#include "frmkarmicastrologydisplay.h"
#include "karfile.h"
#include "lunarnodes.h"
#include "nodereading.h"
#include "nodetexts.h"

#include <QComboBox>
#include <QDate>
#include <QFile>
#include <QLineEdit>

namespace Lumo {

frmKarmicAstrologyMain::frmKarmicAstrologyMain()
    : InputForm({.firstYear = FirstBirthYear,
                 .lastYear = LastBirthYear,
                 .remindsUpdate = true,
                 .februaryMessage = QStringLiteral("Please Enter Correct Date Of Birth !"),
                 .thirtyFirstMessage = QStringLiteral("Please Enter Correct Date of Birth !"),
                 .februaryFailureFocusesDay = true}),
      ui(std::make_unique<Ui::frmKarmicAstrologyMain>())
{
    ui->setupUi(this);
    connectInputControls(singleNameControls(*ui, ui->mnuNext));
    connectMenuLinks(*ui, ui->mkmoney);
    connect(ui->cmdOpen, &QPushButton::clicked, this, &frmKarmicAstrologyMain::cmdOpen_Click);
    connect(ui->mnuOpenPreviouslySavedKarmic, &QAction::triggered, this,
            &frmKarmicAstrologyMain::mnuOpenPreviouslySavedKarmic_Click);
}

frmKarmicAstrologyMain::~frmKarmicAstrologyMain() = default;

void frmKarmicAstrologyMain::cmdNext_Click()
{
    if (!ValidateEntry())
        return;

    const NodeReadingData reading =
        karmicAstrologyReading(ui->txtName->text().trimmed(), ui->cboDate->currentText().toInt(),
                               ui->cboMonth->currentText(), ui->cboYear->currentText().toInt());
    auto *display = Forms::get<frmKarmicAstrologyDisplay>();
    display->showReading(reading);
    handOverTo(display);
}

void frmKarmicAstrologyMain::cmdOpen_Click()
{
    const FileDialogRequest request{.title = QStringLiteral("Select the source file"),
                                    .filter = QStringLiteral("Lumo Free Karmic Astrology (*.kar)"),
                                    .defaultSuffix = QStringLiteral("kar")};
    const QString fileName = askOpenFileName(this, request);
    if (!fileName.isEmpty())
        openKarFile(fileName);
}

// Only a saved reading is taken: four lines, a name, and a day, month and year that the lists
// hold and that make a calendar date. Anything else is refused before the form changes, so a wrong
// file never shows the reading of another date.
void frmKarmicAstrologyMain::openKarFile(const QString &fileName)
{
    std::optional<KarFields> fields;
    QFile file(fileName);
    if (isKarFileName(fileName) && file.open(QIODevice::ReadOnly))
        fields = readKarFile(file);
    const auto entry = [](const QComboBox *list, const QString &text) {
        return list->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive);
    };
    const int day = fields ? entry(ui->cboDate, fields->day) : -1;
    const int month = fields ? entry(ui->cboMonth, fields->monthName) : -1;
    const int year = fields ? entry(ui->cboYear, fields->year) : -1;
    const bool calendarDate = day >= 0 && month >= 0 && year >= 0 &&
                              QDate(fields->year.toInt(), month + 1, day + 1).isValid();
    if (!calendarDate) {
        showCritical(this, QStringLiteral("Please Check The File."));
        return;
    }
    ui->txtName->setText(fields->name);
    ui->cboDate->setCurrentIndex(day);
    ui->cboMonth->setCurrentIndex(month);
    ui->cboYear->setCurrentIndex(year);
    cmdNext_Click();
}

void frmKarmicAstrologyMain::mnuOpenPreviouslySavedKarmic_Click()
{
    cmdOpen_Click();
}

} // namespace Lumo
