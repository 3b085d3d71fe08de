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
            &frmKarmicAstrologyMain::cmdOpen_Click);
}

frmKarmicAstrologyMain::~frmKarmicAstrologyMain() = default;

void frmKarmicAstrologyMain::cmdNext_Click()
{
    if (!ValidateEntry())
        return;

    const NodeReadingData reading =
        karmicAstrologyReading(ui->txtName->text().trimmed(), ui->cboDate->currentText().toInt(),
                               ui->cboMonth->currentText(), ui->cboYear->currentText().toInt());
    auto *display = displayForm<frmKarmicAstrologyDisplay>();
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
// hold. Anything else is refused before the form changes, so a wrong file never shows the
// reading of another date.
bool frmKarmicAstrologyMain::openKarFile(const QString &fileName)
{
    const SavedReadingFile saved = readSavedReading(fileName);
    if (!saved.fields) {
        showCritical(this, savedReadingRefusalMessage(fileName, saved.refusal));
        return false;
    }
    return showSavedReading(*saved.fields);
}

bool frmKarmicAstrologyMain::showSavedReading(const KarFields &fields)
{
    const auto entry = [](const QComboBox *list, const QString &text) {
        return list->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive);
    };
    const int day = entry(ui->cboDate, fields.day);
    const int month = entry(ui->cboMonth, fields.monthName);
    const int year = entry(ui->cboYear, fields.year);
    if (day < 0 || month < 0 || year < 0)
        return false;
    ui->txtName->setText(fields.name);
    ui->cboDate->setCurrentIndex(day);
    ui->cboMonth->setCurrentIndex(month);
    ui->cboYear->setCurrentIndex(year);
    cmdNext_Click();
    return true;
}

} // namespace Lumo
