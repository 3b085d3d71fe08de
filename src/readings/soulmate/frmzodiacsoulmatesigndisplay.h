#pragma once

#include "forms/displayform.h"
#include "ui_frmzodiacsoulmatesigndisplay.h"

namespace Lumo {

class frmZodiacSoulmateSignDisplay : public DisplayForm
{
    Q_OBJECT

public:
    frmZodiacSoulmateSignDisplay();

    // Shows a sign with its description; a sign without one keeps the description shown.
    void showSign(const QString &sign);

protected:
    Form *inputForm() override;

private:
    Ui::frmZodiacSoulmateSignDisplay ui;
};

} // namespace Lumo
