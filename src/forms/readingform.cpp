#include "readingform.h"

#include "vendorlinks.h"

#include <QAction>

namespace Lumo {

ReadingForm::ReadingForm() : Form(Placement::Workspace) {}

void ReadingForm::connectLinks(std::initializer_list<QObject *> vendorLinks, QAction *about)
{
    connectVendorLinks(vendorLinks);
    if (about)
        connect(about, &QAction::triggered, this, &ReadingForm::mnuAbout_Click);
}

void ReadingForm::mnuAbout_Click()
{
    if (Shell *shell = Shell::instance())
        shell->showAboutBox(this);
}

} // namespace Lumo
