#include "vendorlinks.h"

#include "clickablelabel.h"
#include "common/vendorpages.h"
#include "desktop.h"

#include <QAction>
#include <QHash>

namespace Lumo {

QString vendorPageOf(const QString &controlName)
{
    static const QHash<QString, QString> pages{
        // Labels and pictures
        {QStringLiteral("Label7"), Page::FullyBranded},
        {QStringLiteral("Label14"), Page::Home},
        {QStringLiteral("Label1"), Page::Home},
        {QStringLiteral("Label61"), Page::Home},
        {QStringLiteral("lblCoBrand"), Page::FullyBranded},
        {QStringLiteral("lblCobrand"), Page::CoBrand},
        {QStringLiteral("lblFullBrand"), Page::FullyBranded},
        {QStringLiteral("lblGoToHome"), Page::OtherPrograms},
        {QStringLiteral("lblHomePage"), Page::Home},
        {QStringLiteral("lblQuennetBanner"), Page::Home},
        {QStringLiteral("Picture6"), Page::Home},
        // Menu items
        {QStringLiteral("mkmoney"), Page::FullyBranded},
        {QStringLiteral("mnuMakeMoneyOnline"), Page::FullyBranded},
        {QStringLiteral("mnuOnline"), Page::Help},
        {QStringLiteral("mnuUpdate"), Page::Download},
        {QStringLiteral("mnuVisit"), Page::Home},
    };
    return pages.value(controlName);
}

void connectVendorLinks(std::initializer_list<QObject *> controls)
{
    for (QObject *control : controls) {
        const QString page = vendorPageOf(control->objectName());
        Q_ASSERT_X(!page.isEmpty(), "connectVendorLinks", qPrintable(control->objectName()));
        const auto open = [page] { OpenVendorPage(page); };
        if (auto *label = qobject_cast<ClickableLabel *>(control)) {
            QObject::connect(label, &ClickableLabel::clicked, label, open);
            label->makeWebLink(vendorPageUrl(page).host());
        } else if (auto *action = qobject_cast<QAction *>(control))
            QObject::connect(action, &QAction::triggered, action, open);
    }
}

} // namespace Lumo
