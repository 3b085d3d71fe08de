#pragma once

#include "forms/displayform.h"
#include "ui_frmzodiacsoulmatesigndisplay.h"

namespace Lumo {

class frmZodiacSoulmateSignDisplay : public DisplayForm
{
    Q_OBJECT

public:
    frmZodiacSoulmateSignDisplay();

    Ui::frmZodiacSoulmateSignDisplay ui;

protected:
    Form *inputForm() override;
};

} // namespace Lumo
