#include "frmkarmicdebtnodisplay.h"

#include "frmkarmicdebtnumbermain.h"
#include "numerologyforms_impl.h"
#include "ui_frmkarmicdebtnodisplay.h"

namespace Lumo {

template class NumerologyDisplayForm<Ui::frmKarmicDebtNoDisplay>;

frmKarmicDebtNoDisplay::frmKarmicDebtNoDisplay() = default;

Form *frmKarmicDebtNoDisplay::inputForm()
{
    return Forms::get<frmKarmicDebtNumberMain>();
}

} // namespace Lumo
