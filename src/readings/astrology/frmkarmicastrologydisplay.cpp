#include "frmkarmicastrologydisplay.h"

#include "frmkarmicastrologymain.h"

namespace Lumo {

frmKarmicAstrologyDisplay::frmKarmicAstrologyDisplay()
{
    ui.setupUi(this);
    connectDisplayControls();
}

Form *frmKarmicAstrologyDisplay::inputForm()
{
    return Forms::get<frmKarmicAstrologyMain>();
}

} // namespace Lumo
