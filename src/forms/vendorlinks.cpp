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

bool isWebLink(const QWidget *widget)
{
    const auto *label = qobject_cast<const ClickableLabel *>(widget);
    return label && label->isWebLink();
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
    QList<QWidget *> labels;
    for (const VendorLink &link : links) {
        if (link.page.isEmpty()) {
            refuse(link, "it has no page");
            continue;
        }
        const auto open = [page = link.page] { OpenVendorPage(page); };
        if (auto *label = qobject_cast<ClickableLabel *>(link.control)) {
            QObject::connect(label, &ClickableLabel::clicked, label, open);
            label->makeWebLink(vendorPageUrl(link.page).host());
            labels.append(label);
        } else if (auto *action = qobject_cast<QAction *>(link.control)) {
            QObject::connect(action, &QAction::triggered, action, open);
        } else {
            refuse(link, "it is neither a clickable label nor a menu item");
        }
    }
    putLinksLastInTabOrder(labels);
}

} // namespace Lumo
