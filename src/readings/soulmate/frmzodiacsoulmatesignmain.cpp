#include "frmzodiacsoulmatesignmain.h"

#include "modzodiacsoulmatesign.h"

namespace Lumo {

frmZodiacSoulmateSignMain::frmZodiacSoulmateSignMain()
    : SignInputForm(1930, 2012, [](const QString &year, const QString &month, const QString &day) {
          // The table comes in two halves; the half that holds the year finds the sign.
          if (std::optional<QString> sign = FindJunoSign1930To1970(year, month, day))
              return sign;
          return FindJunoSign1971To2012(year, month, day);
      })
{
}

} // namespace Lumo
