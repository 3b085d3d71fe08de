#include "frmzodiacspiritualsigndisplay.h"

#include "frmzodiacspiritualsignmain.h"

namespace Lumo {

frmZodiacSpiritualSignDisplay::frmZodiacSpiritualSignDisplay()
{
    ui.setupUi(this);
    connectDisplayControls();
}

Form *frmZodiacSpiritualSignDisplay::inputForm()
{
    return Forms::get<frmZodiacSpiritualSignMain>();
}

} // namespace Lumo
