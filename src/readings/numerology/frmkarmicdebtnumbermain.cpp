#include "frmkarmicdebtnumbermain.h"

#include "karmicdebt.h"
#include "numerologyforms_impl.h"
#include "ui_frmkarmicdebtnumbermain.h"

namespace Lumo {

template class NumerologyInputForm<Ui::frmKarmicDebtNumberMain, frmKarmicDebtNoDisplay>;

frmKarmicDebtNumberMain::frmKarmicDebtNumberMain()
    : NumerologyInputForm([](const QString &fullName, int birthDay) {
          return karmicDebtReading(karmicDebtNumber(nameNumbers(fullName), birthDay));
      })
{
}

} // namespace Lumo
