#include "frmkarmicdebtnodisplay.h"
#include "forms/textboxes.h"

#include "frmkarmicdebtnumbermain.h"

namespace Lumo {

frmKarmicDebtNoDisplay::frmKarmicDebtNoDisplay()
{
    ui.setupUi(this);
    connectDisplayControls(ui.cmdback);
    connectLinks({ui.Label61, ui.lblFullBrand, ui.lblCobrand});
    preventCopying(ui.txtDisplay);
    connect(ui.cmdprint, &QPushButton::clicked, this, &frmKarmicDebtNoDisplay::cmdprint_Click);
}

Form *frmKarmicDebtNoDisplay::inputForm()
{
    return Forms::get<frmKarmicDebtNumberMain>();
}

void frmKarmicDebtNoDisplay::showReading(const QString &text)
{
    showReadingText(ui.txtDisplay, text);
}

void frmKarmicDebtNoDisplay::cmdprint_Click()
{
    printReadingText(ui.txtDisplay);
}

} // namespace Lumo
