#include "frmkarmicastrologydisplay.h"
#include "ui_frmkarmicastrologydisplay.h"

#include "forms/fixedcolours.h"
#include "forms/textboxes.h"
#include "frmkarmicastrologysave.h"
#include "nodetexts.h"

#include <QPointer>

namespace Lumo {

frmKarmicAstrologyDisplay::frmKarmicAstrologyDisplay()
    : ui(std::make_unique<Ui::frmKarmicAstrologyDisplay>())
{
    ui->setupUi(this);
    ui->lblNorthNodedesc->setText(northNodeExplanation());
    ui->lblSouthNodeDesc->setText(southNodeExplanation());
    setClassicColours(ui->fraNorthNode);
    setClassicColours(ui->fraSouthNode);
    for (QLabel *label :
         {ui->lblNorthSign, ui->lblNorthKeyWord, ui->lblSouthSign, ui->lblSouthKeyWord})
        setTextColour(label, FixedColour::Sign);
    connectDisplayControls(ui->cmdBack, ui->cmdExit, ui->mnuFileBack, ui->mnuExit);
    connectMenuLinks(*ui, ui->mkmoney);
    preventCopying(ui->txtNorthDesc);
    preventCopying(ui->txtSouthDesc);
    connect(ui->cmdPrint, &QPushButton::clicked, this, &frmKarmicAstrologyDisplay::cmdprint_Click);
    connect(ui->mnuPrint, &QAction::triggered, this, &frmKarmicAstrologyDisplay::cmdprint_Click);
}

frmKarmicAstrologyDisplay::~frmKarmicAstrologyDisplay() = default;

void frmKarmicAstrologyDisplay::showReading(const NodeReadingData &reading)
{
    m_reading = reading;
    if (const std::optional<NodeSignTexts> &nodes = reading.nodes) {
        ui->lblNorthKeyWord->setText(nodes->northKeywords);
        showReadingText(ui->txtNorthDesc, nodes->northDescription);
        ui->lblSouthKeyWord->setText(nodes->southKeywords);
        showReadingText(ui->txtSouthDesc, nodes->southDescription);
    }
    ui->lblNorthSign->setText(reading.northSign());
    ui->lblSouthSign->setText(reading.southSign());
}

// The form stays up behind the modal report. The report is a child of the form, so should the form
// be unloaded while the report is open, the report goes with it; the guard notices that.
void frmKarmicAstrologyDisplay::cmdprint_Click()
{
    QPointer<frmKarmicAstrologySave> report = new frmKarmicAstrologySave(m_reading, this);
    report->exec();
    delete report.data();
}

} // namespace Lumo
