#include "frmkarmiclessionnodisplay.h"

#include "frmkarmiclessonnumbermain.h"

namespace Lumo {

frmKarmicLessionNoDisplay::frmKarmicLessionNoDisplay()
{
    ui.setupUi(this);
    connectDisplayControls();
}

Form *frmKarmicLessionNoDisplay::inputForm()
{
    return Forms::get<frmKarmicLessonNumberMain>();
}

} // namespace Lumo
