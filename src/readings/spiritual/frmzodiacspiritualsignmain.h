#pragma once

#include "forms/signforms.h"
#include "frmzodiacspiritualsigndisplay.h"
#include "ui_frmzodiacspiritualsignmain.h"

namespace Lumo {

class frmZodiacSpiritualSignMain
    : public SignInputForm<Ui::frmZodiacSpiritualSignMain, frmZodiacSpiritualSignDisplay,
                           &Ui::frmZodiacSpiritualSignMain::mnuFindMySpritualSgn>
{
    Q_OBJECT

public:
    frmZodiacSpiritualSignMain();
};

} // namespace Lumo
