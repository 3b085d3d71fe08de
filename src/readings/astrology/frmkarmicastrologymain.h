#pragma once

#include "forms/inputform.h"
#include "ui_frmkarmicastrologymain.h"

namespace Lumo {

class frmKarmicAstrologyMain : public InputForm
{
    Q_OBJECT

public:
    frmKarmicAstrologyMain();

    void cmdNext_Click() override;

    Ui::frmKarmicAstrologyMain ui;
};

} // namespace Lumo
