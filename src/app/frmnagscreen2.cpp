#include "frmnagscreen2.h"

#include "forms/form.h"

namespace Lumo {

void showSupportDialog()
{
    EndProgram();
}

} // namespace Lumo
