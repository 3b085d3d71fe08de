#include "frmzodiacsoulmatesigndisplay.h"

#include "frmzodiacsoulmatesignmain.h"
#include "soulmatetexts.h"

namespace Lumo {

frmZodiacSoulmateSignDisplay::frmZodiacSoulmateSignDisplay() : SignDisplayForm(soulmateDescription)
{
}

Form *frmZodiacSoulmateSignDisplay::inputForm()
{
    return Forms::get<frmZodiacSoulmateSignMain>();
}

} // namespace Lumo
