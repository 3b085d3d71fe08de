#pragma once

#include "forms/signforms.h"
#include "ui_frmzodiacsoulmatesigndisplay.h"

namespace Lumo {

class frmZodiacSoulmateSignDisplay
    : public SignDisplayForm<Ui::frmZodiacSoulmateSignDisplay,
                             &Ui::frmZodiacSoulmateSignDisplay::fraSoulmateSign,
                             &Ui::frmZodiacSoulmateSignDisplay::lblSoulmateSign>
{
    Q_OBJECT

public:
    frmZodiacSoulmateSignDisplay();

protected:
    Form *inputForm() override;
};

} // namespace Lumo
