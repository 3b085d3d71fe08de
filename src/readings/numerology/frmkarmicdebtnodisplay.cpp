#include "frmkarmicdebtnodisplay.h"

#include "frmkarmicdebtnumbermain.h"

namespace Lumo {

Form *frmKarmicDebtNoDisplay::inputForm()
{
    return Forms::get<frmKarmicDebtNumberMain>();
}

} // namespace Lumo
