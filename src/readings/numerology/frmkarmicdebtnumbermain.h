#pragma once

#include "forms/inputform.h"
#include "ui_frmkarmicdebtnumbermain.h"

namespace Lumo {

class frmKarmicDebtNumberMain : public InputForm
{
    Q_OBJECT

public:
    frmKarmicDebtNumberMain();

    void cmdNext_Click() override;

private:
    Ui::frmKarmicDebtNumberMain ui;
};

} // namespace Lumo
