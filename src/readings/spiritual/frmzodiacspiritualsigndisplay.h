#pragma once

#include "forms/signforms.h"

namespace Ui {
class frmZodiacSpiritualSignDisplay;
}

namespace Lumo {

class frmZodiacSpiritualSignDisplay : public SignDisplayForm<Ui::frmZodiacSpiritualSignDisplay>
{
    Q_OBJECT

public:
    frmZodiacSpiritualSignDisplay();
};

} // namespace Lumo
