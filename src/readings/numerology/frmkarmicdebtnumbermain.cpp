#include "frmkarmicdebtnumbermain.h"

#include "frmkarmicdebtnodisplay.h"

namespace Lumo {

static InputFormSettings settings()
{
    InputFormSettings settings;
    settings.firstYear = 1900;
    settings.lastYear = 2050;
    settings.remindsUpdate = true;
    settings.februaryMessage = QStringLiteral("Please Enter Correct Date Or Month!");
    settings.thirtyFirstMessage = QStringLiteral("Please Enter Correct Date Or Month !");
    settings.februaryFailureFocusesDay = false;
    settings.nextMenuItem = "mnuNext";
    return settings;
}

frmKarmicDebtNumberMain::frmKarmicDebtNumberMain() : InputForm(settings())
{
    ui.setupUi(this);
    connectInputControls();
}

void frmKarmicDebtNumberMain::cmdNext_Click()
{
    if (!ValidateEntry())
        return;
    showReading(Forms::get<frmKarmicDebtNoDisplay>());
}

} // namespace Lumo
