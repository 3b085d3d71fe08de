#include "readingform.h"

#include "clickablelabel.h"
#include "common/vendorpages.h"
#include "desktop.h"
#include "fixedcolours.h"

#include <QAction>

namespace Lumo {

ReadingForm::ReadingForm() : Form(Placement::Workspace) {}

void ReadingForm::connectAction(const char *name, void (ReadingForm::*handler)())
{
    if (auto *action = findChild<QAction *>(QLatin1String(name)))
        connect(action, &QAction::triggered, this, handler);
}

void ReadingForm::connectLabel(const char *name, void (ReadingForm::*handler)())
{
    if (auto *label = findChild<ClickableLabel *>(QLatin1String(name))) {
        setFixedColours(label, FixedColour::Link, FixedColour::ClassicWindow);
        connect(label, &ClickableLabel::clicked, this, handler);
    }
}

void ReadingForm::connectVendorLinks()
{
    connectLabel("Label61", &ReadingForm::Label61_Click);
    connectLabel("lblFullBrand", &ReadingForm::lblFullBrand_Click);
    connectLabel("lblCobrand", &ReadingForm::lblCobrand_Click);
    connectAction("mnuOnline", &ReadingForm::mnuOnline_Click);
    connectAction("mnuVisit", &ReadingForm::mnuVisit_Click);
    connectAction("mnuUpdate", &ReadingForm::mnuUpdate_Click);
    connectAction("mnuAbout", &ReadingForm::mnuAbout_Click);
    connectAction("mkmoney", &ReadingForm::mkmoney_Click);
    connectAction("mnuMakeMoneyOnline", &ReadingForm::mnuMakeMoneyOnline_Click);
}

void ReadingForm::Label61_Click()
{
    OpenVendorPage(Page::Home);
}

void ReadingForm::lblFullBrand_Click()
{
    OpenVendorPage(Page::FullyBranded);
}

void ReadingForm::lblCobrand_Click()
{
    OpenVendorPage(Page::CoBrand);
}

void ReadingForm::mnuOnline_Click()
{
    OpenVendorPage(Page::Help);
}

void ReadingForm::mnuVisit_Click()
{
    OpenVendorPage(Page::Home);
}

void ReadingForm::mnuUpdate_Click()
{
    OpenVendorPage(Page::Download);
}

void ReadingForm::mnuAbout_Click()
{
    if (Shell *shell = Shell::instance())
        shell->showAboutBox(this);
}

void ReadingForm::mkmoney_Click()
{
    OpenVendorPage(Page::FullyBranded);
}

void ReadingForm::mnuMakeMoneyOnline_Click()
{
    OpenVendorPage(Page::FullyBranded);
}

} // namespace Lumo
