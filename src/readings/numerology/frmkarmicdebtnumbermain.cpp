#include "frmkarmicdebtnumbermain.h"

#include "forms/textboxes.h"
#include "frmkarmicdebtnodisplay.h"
#include "karmicdebt.h"
#include "namenumbers.h"
#include "numerologyinput.h"

#include <QComboBox>
#include <QLineEdit>

namespace Lumo {

frmKarmicDebtNumberMain::frmKarmicDebtNumberMain() : InputForm(numerologyInputSettings())
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
