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
    connectDisplayControls();
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
