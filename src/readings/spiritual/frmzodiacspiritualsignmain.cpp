#include "frmzodiacspiritualsignmain.h"

#include "frmzodiacspiritualsigndisplay.h"
#include "modzodiacspiritualsign.h"

#include <QComboBox>

namespace Lumo {

frmZodiacSpiritualSignMain::frmZodiacSpiritualSignMain()
    : InputForm({.firstYear = 1900, .lastYear = 2024, .nextMenuItem = "mnuFindMySpritualSgn"})
{
    ui.setupUi(this);
    connectInputControls();
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
