#include "frmkarmiclessonnumbermain.h"

#include "karmiclessons.h"
#include "numerologyforms_impl.h"
#include "ui_frmkarmiclessonnumbermain.h"

namespace Lumo {

template class NumerologyInputForm<Ui::frmKarmicLessonNumberMain, frmKarmicLessionNoDisplay>;

// The lessons depend on the name alone.
frmKarmicLessonNumberMain::frmKarmicLessonNumberMain()
    : NumerologyInputForm(
          [](const QString &fullName, int) { return karmicLessonReading(fullName); })
{
}

} // namespace Lumo
