#pragma once

#include "forms/inputform.h"

#include <memory>

namespace Ui {
class frmKarmicAstrologyMain;
}

namespace Lumo {

class frmKarmicAstrologyMain : public InputForm
{
    Q_OBJECT

public:
    frmKarmicAstrologyMain();
    ~frmKarmicAstrologyMain() override;

    void cmdNext_Click() override;
    // Asks for a saved ".kar" file and opens it.
    void cmdOpen_Click();
    // Reads a saved ".kar" file back into the name and the lists and runs the reading; a file
    // that is not a saved reading is refused with a message and changes nothing.
    void openKarFile(const QString &fileName);

private:
    void mnuOpenPreviouslySavedKarmic_Click();

    std::unique_ptr<Ui::frmKarmicAstrologyMain> ui;
};

} // namespace Lumo
