#include "readingform.h"

#include "fixedcolours.h"
#include "vendorlinks.h"

#include <QAction>
#include <QLabel>

namespace Lumo {

ReadingForm::ReadingForm() : Form(Placement::Workspace) {}

// The vendor labels keep the design's link colour on the classic light background under any
// palette.
void ReadingForm::connectLinks(std::initializer_list<VendorLink> vendorLinks, QAction *about)
{
    for (const VendorLink &link : vendorLinks) {
        if (auto *label = qobject_cast<QLabel *>(link.control))
            setFixedColours(label, FixedColour::Link, FixedColour::ClassicWindow);
    }
    connectVendorLinks(vendorLinks);
    if (about)
        connect(about, &QAction::triggered, this, [this] { Q_EMIT aboutRequested(this); });
}

} // namespace Lumo
