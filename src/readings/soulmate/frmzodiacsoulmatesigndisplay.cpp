#include "frmzodiacsoulmatesigndisplay.h"

#include "forms/signforms_impl.h"
#include "soulmatetexts.h"
#include "ui_frmzodiacsoulmatesigndisplay.h"

namespace Lumo {

template class SignDisplayForm<Ui::frmZodiacSoulmateSignDisplay>;

frmZodiacSoulmateSignDisplay::frmZodiacSoulmateSignDisplay()
    : SignDisplayForm(soulmateDescription, &Ui::frmZodiacSoulmateSignDisplay::fraSoulmateSign,
                      &Ui::frmZodiacSoulmateSignDisplay::lblSoulmateSign)
{
}

} // namespace Lumo
