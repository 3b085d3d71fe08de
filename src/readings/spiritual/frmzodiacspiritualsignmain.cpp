#include "frmzodiacspiritualsignmain.h"

#include "frmzodiacspiritualsigndisplay.h"
#include "modzodiacspiritualsign.h"

#include <QComboBox>

namespace Lumo {

frmZodiacSpiritualSignMain::frmZodiacSpiritualSignMain()
    : InputForm({.firstYear = 1900, .lastYear = 2024})
{
    ui.setupUi(this);
    connectInputControls({.cboDate = ui.cboDate,
                          .cboMonth = ui.cboMonth,
                          .cboYear = ui.cboYear,
                          .txtName = ui.txtName,
                          .cmdNext = ui.cmdNext,
                          .cmdExit = ui.cmdExit,
                          .nextItem = ui.mnuFindMySpritualSgn,
                          .mnuExit = ui.mnuExit});
    connectLinks({ui.Label61, ui.lblFullBrand, ui.lblCobrand, ui.mnuOnline, ui.mnuVisit,
                  ui.mnuUpdate, ui.mnuMakeMoneyOnline},
                 ui.mnuAbout);
}

void frmZodiacSpiritualSignMain::cmdNext_Click()
{
    if (!ValidateEntry())
        return;
    FindNeptuneSign(cboYear->currentText(), cboMonth->currentText(), cboDate->currentText());

    auto *display = Forms::get<frmZodiacSpiritualSignDisplay>();
    display->showSign(NeptuneSign());
    handOverTo(display);
}

} // namespace Lumo
