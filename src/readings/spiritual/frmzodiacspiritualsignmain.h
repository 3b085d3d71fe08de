#pragma once

#include "forms/inputform.h"
#include "ui_frmzodiacspiritualsignmain.h"

namespace Lumo {

class frmZodiacSpiritualSignMain : public InputForm
{
    Q_OBJECT

public:
    frmZodiacSpiritualSignMain();

    void cmdNext_Click() override;

private:
    Ui::frmZodiacSpiritualSignMain ui;
};

} // namespace Lumo
