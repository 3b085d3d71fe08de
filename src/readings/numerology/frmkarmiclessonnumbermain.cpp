#include "frmkarmiclessonnumbermain.h"

#include "forms/textboxes.h"
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
    connectInputControls();
}

void frmKarmicLessonNumberMain::cmdNext_Click()
{
    if (!ValidateEntry())
        return;
    hideForm();
    setStartPanelVisible(false);
    auto *display = Forms::get<frmKarmicLessionNoDisplay>();
    display->showForm();
    const QString name = fullName(txtFirstName->text(), txtMiddleName->text(), txtLastName->text());
    showReadingText(display->ui.txtDisplay, karmicLessonReading(name));
}

} // namespace Lumo
