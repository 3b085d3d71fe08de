#pragma once

#include "forms/displayform.h"
#include "nodereading.h"
#include "ui_frmkarmicastrologydisplay.h"

namespace Lumo {

class frmKarmicAstrologyDisplay : public DisplayForm
{
    Q_OBJECT

public:
    frmKarmicAstrologyDisplay();

    // Shows a reading: each node's sign, keywords and description.
    void showReading(const NodeReadingData &reading);

    // Shows the report of this reading modally over the form.
    void cmdprint_Click();

protected:
    Form *inputForm() override;

private:
    void mnuPrint_Click();

    Ui::frmKarmicAstrologyDisplay ui;
};

} // namespace Lumo
