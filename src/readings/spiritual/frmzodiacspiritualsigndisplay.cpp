#include "frmzodiacspiritualsigndisplay.h"

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

Form *frmZodiacSpiritualSignDisplay::inputForm()
{
    return Forms::get<frmZodiacSpiritualSignMain>();
}

} // namespace Lumo
