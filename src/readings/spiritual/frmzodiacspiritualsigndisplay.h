#pragma once

#include "forms/displayform.h"
#include "ui_frmzodiacspiritualsigndisplay.h"

namespace Lumo {

class frmZodiacSpiritualSignDisplay : public DisplayForm
{
    Q_OBJECT

public:
    frmZodiacSpiritualSignDisplay();

    // Shows a sign with its description; a sign without one keeps the description shown.
    void showSign(const QString &sign);

protected:
    Form *inputForm() override;

private:
    Ui::frmZodiacSpiritualSignDisplay ui;
};

} // namespace Lumo
