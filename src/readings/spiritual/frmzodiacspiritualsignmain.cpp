#include "frmzodiacspiritualsignmain.h"

#include "frmzodiacspiritualsigndisplay.h"
#include "modzodiacspiritualsign.h"
#include "spiritualtexts.h"

#include <QComboBox>

namespace Lumo {

static InputFormSettings settings()
{
    InputFormSettings settings;
    settings.firstYear = 1900;
    settings.lastYear = 2024;
    settings.remindsUpdate = false;
    settings.februaryMessage = QStringLiteral("Please Enter Correct Date Or Month!");
    settings.thirtyFirstMessage = QStringLiteral("Please Enter Correct Date Or Month !");
    settings.februaryFailureFocusesDay = false;
    settings.nextMenuItem = "mnuFindMySpritualSgn";
    return settings;
}

frmZodiacSpiritualSignMain::frmZodiacSpiritualSignMain() : InputForm(settings())
{
    ui.setupUi(this);
    connectInputControls();
}

void frmZodiacSpiritualSignMain::cmdNext_Click()
{
    if (!ValidateEntry())
        return;
    FindNeptuneSign(cboYear->currentText(), cboMonth->currentText(), cboDate->currentText());

    auto *display = Forms::get<frmZodiacSpiritualSignDisplay>();
    const QString description = spiritualDescription(NeptuneSign());
    if (!description.isNull())
        display->ui.lblSignDesc->setText(description);
    display->ui.lblSpritualSign->setText(NeptuneSign());

    hideForm();
    display->showForm();
    setStartPanelVisible(false);
}

} // namespace Lumo
