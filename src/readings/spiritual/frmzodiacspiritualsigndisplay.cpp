#include "frmzodiacspiritualsigndisplay.h"
#include "spiritualtexts.h"

#include "forms/fixedcolours.h"
#include "frmzodiacspiritualsignmain.h"

namespace Lumo {

frmZodiacSpiritualSignDisplay::frmZodiacSpiritualSignDisplay()
{
    ui.setupUi(this);
    setClassicColours(ui.fraSpritualSign);
    setTextColour(ui.lblSpritualSign, FixedColour::Sign);
    connectDisplayControls(ui.cmdBack, ui.cmdExit, ui.mnuFileBack, ui.mnuExit);
    connectLinks({ui.Label61, ui.lblFullBrand, ui.lblCobrand, ui.mnuOnline, ui.mnuVisit,
                  ui.mnuUpdate, ui.mnuMakeMoneyOnline},
                 ui.mnuAbout);
}

void frmZodiacSpiritualSignDisplay::showSign(const QString &sign)
{
    const QString description = spiritualDescription(sign);
    if (!description.isNull())
        ui.lblSignDesc->setText(description);
    ui.lblSpritualSign->setText(sign);
}

Form *frmZodiacSpiritualSignDisplay::inputForm()
{
    return Forms::get<frmZodiacSpiritualSignMain>();
}

} // namespace Lumo
