#include "frmkarmiclessionnodisplay.h"

#include "numerologyforms_impl.h"
#include "ui_frmkarmiclessionnodisplay.h"

namespace Lumo {

template class NumerologyDisplayForm<Ui::frmKarmicLessionNoDisplay>;

frmKarmicLessionNoDisplay::frmKarmicLessionNoDisplay() = default;

} // namespace Lumo
