#pragma once

#include "forms/displayform.h"
#include "ui_frmkarmiclessionnodisplay.h"

namespace Lumo {

class frmKarmicLessionNoDisplay : public DisplayForm
{
    Q_OBJECT

public:
    frmKarmicLessionNoDisplay();

    // Shows the reading's text.
    void showReading(const QString &text);
    void cmdprint_Click();

protected:
    Form *inputForm() override;

private:
    Ui::frmKarmicLessionNoDisplay ui;
};

} // namespace Lumo
