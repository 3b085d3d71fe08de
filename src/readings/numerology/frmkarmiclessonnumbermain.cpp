#include "frmkarmiclessonnumbermain.h"

#include "karmiclessons.h"

namespace Lumo {

// The lessons depend on the name alone.
frmKarmicLessonNumberMain::frmKarmicLessonNumberMain()
    : NumerologyInputForm(
          [](const QString &fullName, int) { return karmicLessonReading(fullName); })
{
}

} // namespace Lumo
