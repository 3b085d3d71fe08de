#include "vendorlinks.h"

#include "common/vendorpages.h"
#include "desktop.h"
#include "linkbutton.h"

#include <QAction>
#include <QDebug>
#include <QWidget>

namespace Lumo {

namespace {
void refuse(const VendorLink &link, const char *reason)
{
    qWarning("Vendor link %s left unconnected: %s",
             qPrintable(link.control ? link.control->objectName() : QStringLiteral("(none)")),
             reason);
}

bool isWebLink(const QWidget *widget)
{
    const auto *button = qobject_cast<const LinkButton *>(widget);
    return button && button->accessibleRole() == QAccessible::Link;
}

// Tab reaches the links after the window's own controls, in the order given. Qt's Tab order is
// a ring: each link goes right after the one before it, the first right after the window's last
// control that Tab reaches.
void putLinksLastInTabOrder(const QList<QWidget *> &links)
{
    if (links.isEmpty())
        return;
    QWidget *window = links.constFirst()->window();
    QWidget *previous = window->previousInFocusChain();
    while (previous != window && (isWebLink(previous) || !(previous->focusPolicy() & Qt::TabFocus)))
        previous = previous->previousInFocusChain();
    if (previous == window)
        previous = nullptr;
    for (QWidget *link : links) {
        if (previous)
            QWidget::setTabOrder(previous, link);
        previous = link;
    }
}
} // namespace

void connectVendorLinks(std::initializer_list<VendorLink> links)
{
    QList<QWidget *> buttons;
    for (const VendorLink &link : links) {
        if (link.page.isEmpty()) {
            refuse(link, "it has no page");
            continue;
        }
        const QString page = link.page;
        if (auto *button = qobject_cast<LinkButton *>(link.control)) {
            QObject::connect(button, &LinkButton::clicked, button,
                             [button, page] { OpenVendorPage(page, button); });
            buttons.append(button);
        } else if (auto *action = qobject_cast<QAction *>(link.control)) {
            // A menu item belongs to the form whose menus hold it: a message goes above that.
            QObject::connect(action, &QAction::triggered, action, [action, page] {
                OpenVendorPage(page, qobject_cast<QWidget *>(action->parent()));
            });
        } else {
            refuse(link, "it is neither a link button nor a menu item");
        }
    }
    // The window's own controls come first in the Tab order, its links after them.
    putLinksLastInTabOrder(buttons);
}

} // namespace Lumo
