#include "vendorlinks.h"

#include "clickablelabel.h"
#include "common/vendorpages.h"
#include "desktop.h"

#include <QAction>
#include <QDebug>

namespace Lumo {

namespace {
void refuse(const VendorLink &link, const char *reason)
{
    qWarning("Vendor link %s left unconnected: %s",
             qPrintable(link.control ? link.control->objectName() : QStringLiteral("(none)")),
             reason);
}
} // namespace

void connectVendorLinks(std::initializer_list<VendorLink> links)
{
    for (const VendorLink &link : links) {
        if (link.page.isEmpty()) {
            refuse(link, "it has no page");
            continue;
        }
        const auto open = [page = link.page] { OpenVendorPage(page); };
        if (auto *label = qobject_cast<ClickableLabel *>(link.control)) {
            QObject::connect(label, &ClickableLabel::clicked, label, open);
            label->makeWebLink(vendorPageUrl(link.page).host());
        } else if (auto *action = qobject_cast<QAction *>(link.control)) {
            QObject::connect(action, &QAction::triggered, action, open);
        } else {
            refuse(link, "it is neither a clickable label nor a menu item");
        }
    }
}

} // namespace Lumo
