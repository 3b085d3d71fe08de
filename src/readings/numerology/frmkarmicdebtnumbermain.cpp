#include "frmkarmicdebtnumbermain.h"

#include "forms/textboxes.h"
#include "frmkarmicdebtnodisplay.h"
#include "karmicdebt.h"
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

frmKarmicDebtNumberMain::frmKarmicDebtNumberMain() : InputForm(settings())
{
    ui.setupUi(this);
    connectInputControls();
}

void frmKarmicDebtNumberMain::cmdNext_Click()
{
    if (!ValidateEntry())
        return;
    hideForm();
    setStartPanelVisible(false);
    auto *display = Forms::get<frmKarmicDebtNoDisplay>();
    display->showForm();
    const QString name = fullName(txtFirstName->text(), txtMiddleName->text(), txtLastName->text());
    const int debt = karmicDebtNumber(nameNumbers(name), birthDayNumber(cboDate->currentText()));
    showReadingText(display->ui.txtDisplay, karmicDebtReading(debt));
}

} // namespace Lumo
