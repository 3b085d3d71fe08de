#include "frmzodiacspiritualsignmain.h"

#include "frmzodiacspiritualsigndisplay.h"

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
    showReading(Forms::get<frmZodiacSpiritualSignDisplay>());
}

} // namespace Lumo
