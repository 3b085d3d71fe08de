#include "frmkarmiclessionnodisplay.h"
#include "forms/textboxes.h"

#include "frmkarmiclessonnumbermain.h"

namespace Lumo {

frmKarmicLessionNoDisplay::frmKarmicLessionNoDisplay()
{
    ui.setupUi(this);
    connectDisplayControls(ui.cmdback);
    connectLinks({ui.Label61, ui.lblFullBrand, ui.lblCobrand});
    preventCopying(ui.txtDisplay);
    connect(ui.cmdprint, &QPushButton::clicked, this, &frmKarmicLessionNoDisplay::cmdprint_Click);
}

Form *frmKarmicLessionNoDisplay::inputForm()
{
    return Forms::get<frmKarmicLessonNumberMain>();
}

void frmKarmicLessionNoDisplay::showReading(const QString &text)
{
    showReadingText(ui.txtDisplay, text);
}

void frmKarmicLessionNoDisplay::cmdprint_Click()
{
    printReadingText(ui.txtDisplay);
}

} // namespace Lumo
