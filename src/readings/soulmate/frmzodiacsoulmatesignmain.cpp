#include "frmzodiacsoulmatesignmain.h"

#include "frmzodiacsoulmatesigndisplay.h"
#include "modzodiacsoulmatesign.h"
#include "soulmatetexts.h"

#include <QComboBox>

namespace Lumo {

static InputFormSettings settings()
{
    InputFormSettings settings;
    settings.firstYear = 1930;
    settings.lastYear = 2012;
    settings.remindsUpdate = false;
    settings.februaryMessage = QStringLiteral("Please Enter Correct Date Or Month!");
    settings.thirtyFirstMessage = QStringLiteral("Please Enter Correct Date Or Month !");
    settings.februaryFailureFocusesDay = false;
    settings.nextMenuItem = "mnuFindSoulmateSign";
    return settings;
}

frmZodiacSoulmateSignMain::frmZodiacSoulmateSignMain() : InputForm(settings())
{
    ui.setupUi(this);
    connectInputControls();
}

void frmZodiacSoulmateSignMain::cmdNext_Click()
{
    if (!ValidateEntry())
        return;
    FindJunoSign1930To1970(cboYear->currentText(), cboMonth->currentText(), cboDate->currentText());
    FindJunoSign1971To2012(cboYear->currentText(), cboMonth->currentText(), cboDate->currentText());

    auto *display = Forms::get<frmZodiacSoulmateSignDisplay>();
    const QString description = soulmateDescription(JunoSign());
    if (!description.isNull())
        display->ui.lblSignDesc->setText(description);
    display->ui.lblSoulmateSign->setText(JunoSign());

    hideForm();
    display->showForm();
    setStartPanelVisible(false);
}

} // namespace Lumo
