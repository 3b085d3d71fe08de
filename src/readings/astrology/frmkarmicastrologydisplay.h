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

    // Shows a reading: each node's sign, keywords and description. The form keeps it for its
    // report.
    void showReading(const NodeReadingData &reading);
    const NodeReadingData &reading() const { return m_reading; }

    // Shows the report of the reading modally over the form.
    void cmdprint_Click();

protected:
    Form *inputForm() override;

private:
    void mnuPrint_Click();

    Ui::frmKarmicAstrologyDisplay ui;
    NodeReadingData m_reading;
};

} // namespace Lumo
