#include "frmzodiacsoulmatesignmain.h"

#include "frmzodiacsoulmatesigndisplay.h"
#include "modzodiacsoulmatesign.h"

#include <QComboBox>

namespace Lumo {

frmZodiacSoulmateSignMain::frmZodiacSoulmateSignMain()
    : InputForm({.firstYear = 1930, .lastYear = 2012, .nextMenuItem = "mnuFindSoulmateSign"})
{
    ui.setupUi(this);
    connectInputControls();
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
