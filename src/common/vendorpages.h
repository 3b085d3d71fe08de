#pragma once

#include <QString>
#include <QUrl>

namespace Lumo {

// The address of the product's folder on the vendor's web site, ending in "/lumo-free-tessaray/".
QString VendorPageBase();

// Page keys of the vendor's web site.
namespace Page {
inline const QString Home = QStringLiteral("home-page");
inline const QString Help = QStringLiteral("help-web-page");
inline const QString Download = QStringLiteral("download-web-page");
inline const QString FullyBranded = QStringLiteral("fully-branded");
inline const QString CoBrand = QStringLiteral("co-brand");
inline const QString OtherPrograms = QStringLiteral("orrelsoftwares");
inline const QString ReferAFriend = QStringLiteral("velk-refer-a-friend");
} // namespace Page

// VendorPageBase + "ssd.php?page=" + key; the key is a fixed text and is not escaped.
QUrl vendorPageUrl(const QString &pageKey);

} // namespace Lumo
