#include "frmzodiacsoulmatesigndisplay.h"

#include "frmzodiacsoulmatesignmain.h"

namespace Lumo {

frmZodiacSoulmateSignDisplay::frmZodiacSoulmateSignDisplay()
{
    ui.setupUi(this);
    connectDisplayControls();
}

Form *frmZodiacSoulmateSignDisplay::inputForm()
{
    return Forms::get<frmZodiacSoulmateSignMain>();
}

} // namespace Lumo
