#include "frmzodiacspiritualsignmain.h"

#include "forms/signforms_impl.h"
#include "modzodiacspiritualsign.h"
#include "ui_frmzodiacspiritualsignmain.h"

namespace Lumo {

template class SignInputForm<Ui::frmZodiacSpiritualSignMain, frmZodiacSpiritualSignDisplay>;

frmZodiacSpiritualSignMain::frmZodiacSpiritualSignMain()
    : SignInputForm(1900, 2024, neptuneSignOn,
                    &Ui::frmZodiacSpiritualSignMain::mnuFindMySpritualSgn)
{
}

} // namespace Lumo
