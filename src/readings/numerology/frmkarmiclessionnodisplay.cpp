#include "frmkarmiclessionnodisplay.h"

#include "frmkarmiclessonnumbermain.h"
#include "numerologyforms_impl.h"
#include "ui_frmkarmiclessionnodisplay.h"

namespace Lumo {

template class NumerologyDisplayForm<Ui::frmKarmicLessionNoDisplay>;

frmKarmicLessionNoDisplay::frmKarmicLessionNoDisplay() = default;

Form *frmKarmicLessionNoDisplay::inputForm()
{
    return Forms::get<frmKarmicLessonNumberMain>();
}

} // namespace Lumo
