#include "frmkarmiclessionnodisplay.h"

#include "frmkarmiclessonnumbermain.h"

namespace Lumo {

Form *frmKarmicLessionNoDisplay::inputForm()
{
    return Forms::get<frmKarmicLessonNumberMain>();
}

} // namespace Lumo
