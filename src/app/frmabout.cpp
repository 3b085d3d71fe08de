#include "frmabout.h"
#include "ui_frmabout.h"

#include "common/names.h"
#include "common/vendorpages.h"
#include "forms/fixedcolours.h"
#include "forms/focusframe.h"
#include "forms/vendorlinks.h"
#include "startup.h"

namespace Lumo {

frmAbout::frmAbout(QWidget *parent) : QDialog(parent), ui(std::make_unique<Ui::frmAbout>())
{
    ui->setupUi(this);
    setWindowTitle(AppTitle);
    ui->Label2->setText(AppTitle);
    for (QWidget *link : {ui->lblCoBrand, ui->lblHomePage})
        setFixedColours(link, FixedColour::Link, FixedColour::ClassicWindow);
    ui->Picture1->setPixmap(programIcon().pixmap(64, 64));
    setFixedSize(sizeHint());
    drawFocusOfEveryControl(this);
    connect(ui->cmdOK, &QPushButton::clicked, this, &frmAbout::cmdOK_Click);
    connectVendorLinks({{ui->lblCoBrand, Page::FullyBranded}, {ui->lblHomePage, Page::Home}});
}

frmAbout::~frmAbout() = default;

void frmAbout::cmdOK_Click()
{
    accept();
}

} // namespace Lumo
