#include "frmzodiacsoulmatesignmain.h"

#include "frmzodiacsoulmatesigndisplay.h"

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
    showReading(Forms::get<frmZodiacSoulmateSignDisplay>());
}

} // namespace Lumo
