#include "readingform.h"

#include "fixedcolours.h"
#include "linkbutton.h"
#include "vendorlinks.h"

#include <QAction>

namespace Lumo {

ReadingForm::ReadingForm() : Form(Placement::Workspace) {}

// The vendor links keep the design's link colour on the classic light background under any
// palette.
void ReadingForm::connectLinks(std::initializer_list<VendorLink> vendorLinks, QAction *about)
{
    for (const VendorLink &link : vendorLinks) {
        if (auto *button = qobject_cast<LinkButton *>(link.control))
            setFixedColours(button, FixedColour::Link, FixedColour::ClassicWindow);
    }
    connectVendorLinks(vendorLinks);
    if (about)
        connect(about, &QAction::triggered, this, [this] { Q_EMIT aboutRequested(this); });
}

} // namespace Lumo
