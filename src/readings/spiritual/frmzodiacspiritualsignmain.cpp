#include "frmzodiacspiritualsignmain.h"

#include "common/birthyears.h"
#include "forms/signforms_impl.h"
#include "modzodiacspiritualsign.h"
#include "ui_frmzodiacspiritualsignmain.h"

namespace Lumo {

template class SignInputForm<Ui::frmZodiacSpiritualSignMain, frmZodiacSpiritualSignDisplay>;

frmZodiacSpiritualSignMain::frmZodiacSpiritualSignMain()
    : SignInputForm(FirstBirthYear, LastBirthYear, neptuneSignOn,
                    &Ui::frmZodiacSpiritualSignMain::mnuFindMySpritualSgn)
{
}

} // namespace Lumo
