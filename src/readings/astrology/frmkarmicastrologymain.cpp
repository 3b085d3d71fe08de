#include "frmkarmicastrologymain.h"

#include "forms/textboxes.h"
#include "frmkarmicastrologydisplay.h"
#include "lunarnodes.h"
#include "nodereading.h"
#include "nodetexts.h"

#include <QComboBox>
#include <QLineEdit>

namespace Lumo {

static InputFormSettings settings()
{
    InputFormSettings settings;
    settings.firstYear = 1940;
    settings.lastYear = 2009;
    settings.remindsUpdate = true;
    settings.februaryMessage = QStringLiteral("Please Enter Correct Date Of Birth !");
    settings.thirtyFirstMessage = QStringLiteral("Please Enter Correct Date of Birth !");
    settings.februaryFailureFocusesDay = true;
    settings.nextMenuItem = "mnuNext";
    return settings;
}

frmKarmicAstrologyMain::frmKarmicAstrologyMain() : InputForm(settings())
{
    ui.setupUi(this);
    connectInputControls();
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

} // namespace Lumo
