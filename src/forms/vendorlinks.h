#pragma once

#include <QString>

#include <initializer_list>

class QObject;

namespace Lumo {

// A link control (a link button or a menu item) and the key of the vendor page it opens.
struct VendorLink
{
    QObject *control = nullptr;
    QString page;
};

// Makes each link control open its vendor page when clicked; link buttons come after the window's
// other controls in its Tab order. A link without a page, or whose control is missing or neither
// a link button nor a menu item, is left unconnected with a warning: it opens nothing.
void connectVendorLinks(std::initializer_list<VendorLink> links);

} // namespace Lumo
