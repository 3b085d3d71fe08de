#include "frmabout.h"

#include "common/names.h"
#include "common/vendorpages.h"
#include "forms/desktop.h"
#include "forms/fixedcolours.h"
#include "startup.h"

namespace Lumo {

frmAbout::frmAbout(QWidget *parent) : QDialog(parent)
{
    ui.setupUi(this);
    setWindowTitle(AppTitle);
    ui.Label2->setText(AppTitle);
    for (QLabel *label : {ui.lblCoBrand, ui.lblHomePage})
        setFixedColours(label, FixedColour::Link, FixedColour::ClassicWindow);
    ui.Picture1->setPixmap(programIcon().pixmap(64, 64));
    setFixedSize(sizeHint());
    connect(ui.cmdOK, &QPushButton::clicked, this, &frmAbout::cmdOK_Click);
    connect(ui.lblCoBrand, &ClickableLabel::clicked, this, &frmAbout::lblCobrand_Click);
    connect(ui.lblHomePage, &ClickableLabel::clicked, this, &frmAbout::lblHomePage_Click);
}

void frmAbout::cmdOK_Click()
{
    accept();
}

void frmAbout::lblCobrand_Click()
{
    OpenVendorPage(Page::FullyBranded);
}

void frmAbout::lblHomePage_Click()
{
    OpenVendorPage(Page::Home);
}

} // namespace Lumo
