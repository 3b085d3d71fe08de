#pragma once

#include "forms/signforms.h"
#include "frmzodiacspiritualsigndisplay.h"

namespace Ui {
class frmZodiacSpiritualSignMain;
}

namespace Lumo {

class frmZodiacSpiritualSignMain
    : public SignInputForm<Ui::frmZodiacSpiritualSignMain, frmZodiacSpiritualSignDisplay>
{
    Q_OBJECT

public:
    frmZodiacSpiritualSignMain();
};

} // namespace Lumo
