#pragma once

#include "forms/signforms.h"

namespace Ui {
class frmZodiacSoulmateSignDisplay;
}

namespace Lumo {

class frmZodiacSoulmateSignDisplay : public SignDisplayForm<Ui::frmZodiacSoulmateSignDisplay>
{
    Q_OBJECT

public:
    frmZodiacSoulmateSignDisplay();
};

} // namespace Lumo
