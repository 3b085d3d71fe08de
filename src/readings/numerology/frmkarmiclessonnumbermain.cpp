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
    connectInputControls();
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
