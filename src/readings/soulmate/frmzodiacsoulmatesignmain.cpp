#include "frmzodiacsoulmatesignmain.h"

#include "common/birthyears.h"
#include "forms/signforms_impl.h"
#include "modzodiacsoulmatesign.h"
#include "ui_frmzodiacsoulmatesignmain.h"

namespace Lumo {

template class SignInputForm<Ui::frmZodiacSoulmateSignMain, frmZodiacSoulmateSignDisplay>;

frmZodiacSoulmateSignMain::frmZodiacSoulmateSignMain()
    : SignInputForm(FirstBirthYear, LastBirthYear, junoSignOn,
                    &Ui::frmZodiacSoulmateSignMain::mnuFindSoulmateSign)
{
}

} // namespace Lumo
