#include "frmkarmicastrologymain.h"

#include "forms/desktop.h"
#include "forms/textboxes.h"
#include "frmkarmicastrologydisplay.h"
#include "karfile.h"
#include "lunarnodes.h"
#include "nodereading.h"
#include "nodetexts.h"

#include <QComboBox>
#include <QFile>
#include <QLineEdit>

namespace Lumo {

frmKarmicAstrologyMain::frmKarmicAstrologyMain()
    : InputForm({.firstYear = 1940,
                 .lastYear = 2009,
                 .remindsUpdate = true,
                 .februaryMessage = QStringLiteral("Please Enter Correct Date Of Birth !"),
                 .thirtyFirstMessage = QStringLiteral("Please Enter Correct Date of Birth !"),
                 .februaryFailureFocusesDay = true})
{
    ui.setupUi(this);
    connectInputControls();
    connect(ui.cmdOpen, &QPushButton::clicked, this, &frmKarmicAstrologyMain::cmdOpen_Click);
    connect(ui.mnuOpenPreviouslySavedKarmic, &QAction::triggered, this,
            &frmKarmicAstrologyMain::mnuOpenPreviouslySavedKarmic_Click);
}

void frmKarmicAstrologyMain::cmdNext_Click()
{
    if (!ValidateEntry())
        return;

    NodeReadingData &reading = NodeReading();
    reading.name = txtName->text().trimmed();
    reading.year = qint16(cboYear->currentText().remove(QLatin1Char(' ')).toInt());
    reading.monthName = cboMonth->currentText().remove(QLatin1Char(' '));
    reading.day = qint16(cboDate->currentText().remove(QLatin1Char(' ')).toInt());
    reading.northSign = FindNorthNode(cboYear->currentText().toInt(), cboMonth->currentIndex() + 1,
                                      cboDate->currentIndex() + 1);

    auto *display = Forms::get<frmKarmicAstrologyDisplay>();
    if (const NodeSignTexts *texts = nodeSignTexts(reading.northSign)) {
        reading.southSign = texts->southSign;
        display->ui.lblNorthKeyWord->setText(texts->northKeywords);
        showReadingText(display->ui.txtNorthDesc, texts->northDescription);
        display->ui.lblSouthKeyWord->setText(texts->southKeywords);
        showReadingText(display->ui.txtSouthDesc, texts->southDescription);
    }
    display->ui.lblNorthSign->setText(reading.northSign);
    display->ui.lblSouthSign->setText(reading.southSign);

    hideForm();
    display->showForm();
    setStartPanelVisible(false);
}

// A list keeps its selection when it has no entry equal to the text.
static void selectEntry(QComboBox *list, const QString &text)
{
    const int index = list->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (index >= 0)
        list->setCurrentIndex(index);
}

void frmKarmicAstrologyMain::cmdOpen_Click()
{
    const FileDialogRequest request{QStringLiteral("Select the source file"),
                                    QStringLiteral("Lumo Free Karmic Astrology (*.kar)"),
                                    QStringLiteral("kar"),
                                    {}};
    const QString fileName = Desktop::instance().openFileName(this, request);
    if (fileName.isEmpty())
        return;
    openKarFile(fileName);
}

void frmKarmicAstrologyMain::openKarFile(const QString &fileName)
{
    if (!isKarFileName(fileName)) {
        showCritical(this, QStringLiteral("Please Check The File."));
        return;
    }

    // A file that cannot be read gives empty fields, which the usual checks of Next report.
    KarFields fields;
    QFile file(fileName);
    if (file.open(QIODevice::ReadOnly))
        fields = readKarFile(file);
    txtName->setText(fields.name);
    selectEntry(cboDate, fields.day);
    selectEntry(cboMonth, fields.monthName);
    selectEntry(cboYear, fields.year);
    cmdNext_Click();
}

void frmKarmicAstrologyMain::mnuOpenPreviouslySavedKarmic_Click()
{
    cmdOpen_Click();
}

} // namespace Lumo
