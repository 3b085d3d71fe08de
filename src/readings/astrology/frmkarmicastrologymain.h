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
    // Asks for a saved ".kar" file and opens it with openKarFile.
    void cmdOpen_Click();
    // Reads a saved ".kar" file back into the name and the lists and runs the reading; a name
    // that does not end in "kar" gets "Please Check The File.".
    void openKarFile(const QString &fileName);

    Ui::frmKarmicAstrologyMain ui;

private:
    void mnuOpenPreviouslySavedKarmic_Click();
};

} // namespace Lumo
