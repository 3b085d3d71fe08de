#include "frmkarmicdebtnodisplay.h"

#include "numerologyforms_impl.h"
#include "ui_frmkarmicdebtnodisplay.h"

namespace Lumo {

template class NumerologyDisplayForm<Ui::frmKarmicDebtNoDisplay>;

frmKarmicDebtNoDisplay::frmKarmicDebtNoDisplay() = default;

} // namespace Lumo
