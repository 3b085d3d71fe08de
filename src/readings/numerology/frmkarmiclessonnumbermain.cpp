#include "frmkarmiclessonnumbermain.h"

#include "frmkarmiclessionnodisplay.h"
#include "karmiclessons.h"
#include "namenumbers.h"
#include "numerologyinput.h"

#include <QComboBox>
#include <QLineEdit>

namespace Lumo {

frmKarmicLessonNumberMain::frmKarmicLessonNumberMain() : InputForm(numerologyInputSettings())
{
    ui.setupUi(this);
    connectInputControls({.cboDate = ui.cboDate,
                          .cboMonth = ui.cboMonth,
                          .cboYear = ui.cboYear,
                          .txtFirstName = ui.txtFirstName,
                          .txtMiddleName = ui.txtMiddleName,
                          .txtLastName = ui.txtLastName,
                          .cmdNext = ui.cmdNext,
                          .cmdExit = ui.cmdExit,
                          .nextItem = ui.mnuNext,
                          .mnuExit = ui.mnuExit});
    connectLinks({ui.Label61, ui.lblFullBrand, ui.lblCobrand, ui.mnuOnline, ui.mnuVisit,
                  ui.mnuUpdate, ui.mkmoney},
                 ui.mnuAbout);
}

void frmKarmicLessonNumberMain::cmdNext_Click()
{
    if (!ValidateEntry())
        return;
    auto *display = Forms::get<frmKarmicLessionNoDisplay>();
    handOverTo(display);
    const QString name = fullName(txtFirstName->text(), txtMiddleName->text(), txtLastName->text());
    display->showReading(karmicLessonReading(name));
}

} // namespace Lumo
