#include "frmzodiacsoulmatesigndisplay.h"
#include "soulmatetexts.h"

#include "forms/fixedcolours.h"
#include "frmzodiacsoulmatesignmain.h"

namespace Lumo {

frmZodiacSoulmateSignDisplay::frmZodiacSoulmateSignDisplay()
{
    ui.setupUi(this);
    setClassicColours(ui.fraSoulmateSign);
    setTextColour(ui.lblSoulmateSign, FixedColour::Sign);
    connectDisplayControls(ui.cmdBack, ui.cmdExit, ui.mnuFileBack, ui.mnuExit);
    connectLinks({ui.Label61, ui.lblFullBrand, ui.lblCobrand, ui.mnuOnline, ui.mnuVisit,
                  ui.mnuUpdate, ui.mnuMakeMoneyOnline},
                 ui.mnuAbout);
}

void frmZodiacSoulmateSignDisplay::showSign(const QString &sign)
{
    const QString description = soulmateDescription(sign);
    if (!description.isNull())
        ui.lblSignDesc->setText(description);
    ui.lblSoulmateSign->setText(sign);
}

Form *frmZodiacSoulmateSignDisplay::inputForm()
{
    return Forms::get<frmZodiacSoulmateSignMain>();
}

} // namespace Lumo
