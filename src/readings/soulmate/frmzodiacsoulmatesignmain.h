#pragma once

#include "forms/inputform.h"
#include "ui_frmzodiacsoulmatesignmain.h"

namespace Lumo {

class frmZodiacSoulmateSignMain : public InputForm
{
    Q_OBJECT

public:
    frmZodiacSoulmateSignMain();

    void cmdNext_Click() override;

private:
    Ui::frmZodiacSoulmateSignMain ui;
};

} // namespace Lumo
