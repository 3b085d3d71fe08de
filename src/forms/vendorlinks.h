#pragma once

#include <QString>

#include <initializer_list>

class QObject;

namespace Lumo {

// The vendor page that a link control opens, by the control's object name: the same name opens
// the same page on every window. Empty for a name that is no link.
QString vendorPageOf(const QString &controlName);

// Makes each link control (a clickable label or a menu item) open its vendor page when clicked.
void connectVendorLinks(std::initializer_list<QObject *> controls);

} // namespace Lumo
