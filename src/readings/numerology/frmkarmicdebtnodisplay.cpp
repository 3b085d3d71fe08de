#include "frmkarmicdebtnodisplay.h"

#include "frmkarmicdebtnumbermain.h"

namespace Lumo {

frmKarmicDebtNoDisplay::frmKarmicDebtNoDisplay()
{
    ui.setupUi(this);
    connectDisplayControls();
}

Form *frmKarmicDebtNoDisplay::inputForm()
{
    return Forms::get<frmKarmicDebtNumberMain>();
}

} // namespace Lumo
