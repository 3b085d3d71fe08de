#pragma once

#include "forms/signforms.h"
#include "frmzodiacsoulmatesigndisplay.h"
#include "ui_frmzodiacsoulmatesignmain.h"

namespace Lumo {

class frmZodiacSoulmateSignMain
    : public SignInputForm<Ui::frmZodiacSoulmateSignMain, frmZodiacSoulmateSignDisplay,
                           &Ui::frmZodiacSoulmateSignMain::mnuFindSoulmateSign>
{
    Q_OBJECT

public:
    frmZodiacSoulmateSignMain();
};

} // namespace Lumo
