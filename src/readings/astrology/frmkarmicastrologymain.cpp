#include "frmkarmicastrologymain.h"

#include "frmkarmicastrologydisplay.h"

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
    showReading(Forms::get<frmKarmicAstrologyDisplay>());
}

} // namespace Lumo
