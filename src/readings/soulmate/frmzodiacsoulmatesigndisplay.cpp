#include "frmzodiacsoulmatesigndisplay.h"

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

Form *frmZodiacSoulmateSignDisplay::inputForm()
{
    return Forms::get<frmZodiacSoulmateSignMain>();
}

} // namespace Lumo
