#include "vendorpages.h"

#include "common/buildconfig.h"

namespace Lumo {

QString VendorPageBase()
{
    return QStringLiteral(LUMO_VENDOR_PAGE_BASE);
}

QUrl vendorPageUrl(const QString &pageKey)
{
    return QUrl(VendorPageBase() + QStringLiteral("ssd.php?page=") + pageKey);
}

} // namespace Lumo
