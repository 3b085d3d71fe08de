#include "frmkarmicastrologydisplay.h"

#include "forms/textboxes.h"
#include "frmkarmicastrologymain.h"

namespace Lumo {

frmKarmicAstrologyDisplay::frmKarmicAstrologyDisplay()
{
    ui.setupUi(this);
    connectDisplayControls();
    clearClipboardOnUse(ui.txtNorthDesc);
    clearClipboardOnUse(ui.txtSouthDesc);
}

Form *frmKarmicAstrologyDisplay::inputForm()
{
    return Forms::get<frmKarmicAstrologyMain>();
}

} // namespace Lumo
