#pragma once

#include "forms/displayform.h"
#include "ui_frmzodiacspiritualsigndisplay.h"

namespace Lumo {

class frmZodiacSpiritualSignDisplay : public DisplayForm
{
    Q_OBJECT

public:
    frmZodiacSpiritualSignDisplay();

    Ui::frmZodiacSpiritualSignDisplay ui;

protected:
    Form *inputForm() override;
};

} // namespace Lumo
