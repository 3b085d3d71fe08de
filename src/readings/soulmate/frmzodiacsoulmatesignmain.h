#pragma once

#include "forms/signforms.h"
#include "frmzodiacsoulmatesigndisplay.h"

namespace Ui {
class frmZodiacSoulmateSignMain;
}

namespace Lumo {

class frmZodiacSoulmateSignMain
    : public SignInputForm<Ui::frmZodiacSoulmateSignMain, frmZodiacSoulmateSignDisplay>
{
    Q_OBJECT

public:
    frmZodiacSoulmateSignMain();
};

} // namespace Lumo
