#include "vendorlinks.h"

#include "common/vendorpages.h"
#include "desktop.h"
#include "linkbutton.h"

#include <QAction>
#include <QDebug>
#include <QWidget>

namespace Lumo {

namespace {
// Puts the links, in the order given, after the last of their window's other controls in its Tab
// order. Each link is set right after the one before it: setting a control after one it already
// follows, counting round the end of the order, would change nothing.
void placeLastInTabOrder(const QList<QWidget *> &links)
{
    if (links.isEmpty())
        return;
    QWidget *window = links.first()->window();
    QWidget *previous = window->previousInFocusChain();
    while (previous != window &&
           (previous->focusPolicy() == Qt::NoFocus || links.contains(previous)))
        previous = previous->previousInFocusChain();
    if (previous == window)
        return;
    for (QWidget *link : links) {
        QWidget::setTabOrder(previous, link);
        previous = link;
    }
}

void refuse(const VendorLink &link, const char *reason)
{
    qWarning("Vendor link %s left unconnected: %s",
             qPrintable(link.control ? link.control->objectName() : QStringLiteral("(none)")),
             reason);
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
    placeLastInTabOrder(buttons);
}

} // namespace Lumo
