#include "frmkarmicdebtnumbermain.h"

#include "karmicdebt.h"

namespace Lumo {

frmKarmicDebtNumberMain::frmKarmicDebtNumberMain()
    : NumerologyInputForm([](const QString &fullName, int birthDay) {
          return karmicDebtReading(karmicDebtNumber(nameNumbers(fullName), birthDay));
      })
{
}

} // namespace Lumo
