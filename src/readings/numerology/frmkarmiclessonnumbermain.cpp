#include "frmkarmiclessonnumbermain.h"

#include "frmkarmiclessionnodisplay.h"

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

frmKarmicLessonNumberMain::frmKarmicLessonNumberMain() : InputForm(settings())
{
    ui.setupUi(this);
    connectInputControls();
}

void frmKarmicLessonNumberMain::cmdNext_Click()
{
    if (!ValidateEntry())
        return;
    showReading(Forms::get<frmKarmicLessionNoDisplay>());
}

} // namespace Lumo
