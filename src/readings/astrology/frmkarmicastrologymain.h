#pragma once

#include "forms/inputform.h"

#include <memory>

namespace Ui {
class frmKarmicAstrologyMain;
}

namespace Lumo {

struct KarFields;

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
    // that is not a saved reading is refused with a message and changes nothing. True when the
    // reading was shown.
    bool openKarFile(const QString &fileName);
    // Puts the fields of a checked saved reading into the name and the lists and runs the
    // reading. False, changing nothing, when the lists do not hold its date.
    bool showSavedReading(const KarFields &fields);

private:
    std::unique_ptr<Ui::frmKarmicAstrologyMain> ui;
};

} // namespace Lumo
