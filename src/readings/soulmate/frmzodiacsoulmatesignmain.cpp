#include "frmzodiacsoulmatesignmain.h"

#include "frmzodiacsoulmatesigndisplay.h"
#include "modzodiacsoulmatesign.h"

#include <QComboBox>

namespace Lumo {

frmZodiacSoulmateSignMain::frmZodiacSoulmateSignMain()
    : InputForm({.firstYear = 1930, .lastYear = 2012})
{
    ui.setupUi(this);
    connectInputControls({.cboDate = ui.cboDate,
                          .cboMonth = ui.cboMonth,
                          .cboYear = ui.cboYear,
                          .txtName = ui.txtName,
                          .cmdNext = ui.cmdNext,
                          .cmdExit = ui.cmdExit,
                          .nextItem = ui.mnuFindSoulmateSign,
                          .mnuExit = ui.mnuExit});
    connectLinks({ui.Label61, ui.lblFullBrand, ui.lblCobrand, ui.mnuOnline, ui.mnuVisit,
                  ui.mnuUpdate, ui.mnuMakeMoneyOnline},
                 ui.mnuAbout);
}

void frmZodiacSoulmateSignMain::cmdNext_Click()
{
    if (!ValidateEntry())
        return;
    FindJunoSign1930To1970(cboYear->currentText(), cboMonth->currentText(), cboDate->currentText());
    FindJunoSign1971To2012(cboYear->currentText(), cboMonth->currentText(), cboDate->currentText());

    auto *display = Forms::get<frmZodiacSoulmateSignDisplay>();
    display->showSign(JunoSign());
    handOverTo(display);
}

} // namespace Lumo
