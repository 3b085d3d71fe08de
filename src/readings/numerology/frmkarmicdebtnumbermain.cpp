#include "frmkarmicdebtnumbermain.h"

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
    connectInputControls({.cboDate = ui.cboDate,
                          .cboMonth = ui.cboMonth,
                          .cboYear = ui.cboYear,
                          .txtFirstName = ui.txtFirstName,
                          .txtMiddleName = ui.txtMiddleName,
                          .txtLastName = ui.txtLastName,
                          .cmdNext = ui.cmdNext,
                          .cmdExit = ui.cmdExit,
                          .nextItem = ui.mnuNext,
                          .mnuExit = ui.mnuExit});
    connectLinks({ui.Label61, ui.lblFullBrand, ui.lblCobrand, ui.mnuOnline, ui.mnuVisit,
                  ui.mnuUpdate, ui.mkmoney},
                 ui.mnuAbout);
}

void frmKarmicDebtNumberMain::cmdNext_Click()
{
    if (!ValidateEntry())
        return;
    auto *display = Forms::get<frmKarmicDebtNoDisplay>();
    handOverTo(display);
    const QString name = fullName(txtFirstName->text(), txtMiddleName->text(), txtLastName->text());
    const int debt = karmicDebtNumber(nameNumbers(name), birthDayNumber(cboDate->currentText()));
    display->showReading(karmicDebtReading(debt));
}

} // namespace Lumo
