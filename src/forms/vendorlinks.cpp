#include "vendorlinks.h"

#include "common/vendorpages.h"
#include "desktop.h"
#include "linkbutton.h"

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
        if (auto *button = qobject_cast<LinkButton *>(link.control)) {
            QObject::connect(button, &LinkButton::clicked, button, open);
            // The window's own controls come first in the Tab order, its links after them.
            QWidget *lastInChain = button->window()->previousInFocusChain();
            if (lastInChain != button)
                QWidget::setTabOrder(lastInChain, button);
        } else if (auto *action = qobject_cast<QAction *>(link.control)) {
            QObject::connect(action, &QAction::triggered, action, open);
        } else {
            refuse(link, "it is neither a link button nor a menu item");
        }
    }
}

} // namespace Lumo
