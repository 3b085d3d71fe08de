#include "frmkarmiclessonnumbermain.h"

#include "forms/textboxes.h"
#include "frmkarmiclessionnodisplay.h"
#include "karmiclessons.h"
#include "namenumbers.h"

#include <QComboBox>
#include <QLineEdit>

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
    hideForm();
    setStartPanelVisible(false);
    auto *display = Forms::get<frmKarmicLessionNoDisplay>();
    display->showForm();
    const QString name = fullName(txtFirstName->text(), txtMiddleName->text(), txtLastName->text());
    showReadingText(display->ui.txtDisplay, karmicLessonReading(name));
}

} // namespace Lumo
