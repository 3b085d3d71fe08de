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
    connectDisplayControls();
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
