#include "frmzodiacspiritualsigndisplay.h"

#include "forms/signforms_impl.h"
#include "spiritualtexts.h"
#include "ui_frmzodiacspiritualsigndisplay.h"

namespace Lumo {

template class SignDisplayForm<Ui::frmZodiacSpiritualSignDisplay>;

frmZodiacSpiritualSignDisplay::frmZodiacSpiritualSignDisplay()
    : SignDisplayForm(spiritualDescription, &Ui::frmZodiacSpiritualSignDisplay::fraSpritualSign,
                      &Ui::frmZodiacSpiritualSignDisplay::lblSpritualSign)
{
}

} // namespace Lumo
