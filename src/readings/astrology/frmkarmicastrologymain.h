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
    // Reads a saved ".kar" file back into the name and the lists and runs the reading.
    void cmdOpen_Click();

    Ui::frmKarmicAstrologyMain ui;

private:
    void mnuOpenPreviouslySavedKarmic_Click();
};

} // namespace Lumo
