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
        const QString page = link.page;
        if (auto *button = qobject_cast<LinkButton *>(link.control)) {
            QObject::connect(button, &LinkButton::clicked, button,
                             [button, page] { OpenVendorPage(page, button); });
            // The window's own controls come first in the Tab order, its links after them.
            QWidget *lastInChain = button->window()->previousInFocusChain();
            if (lastInChain != button)
                QWidget::setTabOrder(lastInChain, button);
        } else if (auto *action = qobject_cast<QAction *>(link.control)) {
            // A menu item belongs to the form whose menus hold it: a message goes above that.
            QObject::connect(action, &QAction::triggered, action, [action, page] {
                OpenVendorPage(page, qobject_cast<QWidget *>(action->parent()));
            });
        } else {
            refuse(link, "it is neither a link button nor a menu item");
        }
    }
}

} // namespace Lumo
