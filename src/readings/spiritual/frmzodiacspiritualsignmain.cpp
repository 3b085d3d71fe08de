#include "frmzodiacspiritualsignmain.h"

#include "modzodiacspiritualsign.h"

namespace Lumo {

frmZodiacSpiritualSignMain::frmZodiacSpiritualSignMain()
    : SignInputForm(1900, 2024, [](const QString &year, const QString &month, const QString &day) {
          FindNeptuneSign(year, month, day);
          return NeptuneSign();
      })
{
}

} // namespace Lumo
