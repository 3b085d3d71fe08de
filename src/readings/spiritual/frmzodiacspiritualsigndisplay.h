#pragma once

#include "forms/signforms.h"
#include "ui_frmzodiacspiritualsigndisplay.h"

namespace Lumo {

class frmZodiacSpiritualSignDisplay
    : public SignDisplayForm<Ui::frmZodiacSpiritualSignDisplay,
                             &Ui::frmZodiacSpiritualSignDisplay::fraSpritualSign,
                             &Ui::frmZodiacSpiritualSignDisplay::lblSpritualSign>
{
    Q_OBJECT

public:
    frmZodiacSpiritualSignDisplay();

protected:
    Form *inputForm() override;
};

} // namespace Lumo
