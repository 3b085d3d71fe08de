#include "frmzodiacspiritualsigndisplay.h"

#include "frmzodiacspiritualsignmain.h"
#include "spiritualtexts.h"

namespace Lumo {

frmZodiacSpiritualSignDisplay::frmZodiacSpiritualSignDisplay()
    : SignDisplayForm(spiritualDescription)
{
}

Form *frmZodiacSpiritualSignDisplay::inputForm()
{
    return Forms::get<frmZodiacSpiritualSignMain>();
}

} // namespace Lumo
