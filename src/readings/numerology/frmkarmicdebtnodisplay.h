#pragma once

#include "forms/displayform.h"
#include "ui_frmkarmicdebtnodisplay.h"

namespace Lumo {

class frmKarmicDebtNoDisplay : public DisplayForm
{
    Q_OBJECT

public:
    frmKarmicDebtNoDisplay();

    // Shows the reading's text.
    void showReading(const QString &text);
    void cmdprint_Click();

protected:
    Form *inputForm() override;

private:
    Ui::frmKarmicDebtNoDisplay ui;
};

} // namespace Lumo
