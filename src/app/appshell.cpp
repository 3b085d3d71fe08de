#include "appshell.h"

#include "frmabout.h"
#include "frmmdi.h"
#include "updatereminder.h"

namespace Lumo {

QMdiArea *AppShell::workspace()
{
    frmMDI *main = Forms::loaded<frmMDI>();
    return main ? main->workspace() : nullptr;
}

void AppShell::setStartPanelVisible(bool visible)
{
    if (frmMDI *main = Forms::loaded<frmMDI>())
        main->startPanel()->setVisible(visible);
}

void AppShell::UpdateReminder()
{
    Lumo::UpdateReminder();
}

void AppShell::showAboutBox(QWidget *parent)
{
    frmAbout about(parent);
    about.exec();
}

} // namespace Lumo
