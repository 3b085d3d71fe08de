#include "modtellafriend.h"

#include "common/vendorpages.h"

#include <QUrlQuery>

namespace Lumo {

namespace {
// Empty, or the field's own hint typed in.
bool isMissing(const QString &value, const QString &hint)
{
    return value.isEmpty() || value == hint;
}

QString encoded(const QString &value)
{
    return QString::fromLatin1(QUrl::toPercentEncoding(value));
}
} // namespace

Referral Referral::trimmed() const
{
    return {name.trimmed(), email.trimmed(), message.trimmed(), friendName.trimmed(),
            friendEmail.trimmed()};
}

QString checkEmailAddresses(const Referral &referral)
{
    if (referral.email == referral.friendEmail)
        return QStringLiteral("Please Enter Distinct Email Addresses");
    const auto lacks = [&referral](QChar c) {
        return !referral.email.contains(c) || !referral.friendEmail.contains(c);
    };
    if (lacks(u'@') || lacks(u'.'))
        return ImproperEmailAddress;
    return QString();
}

QString checkReferralDetails(const Referral &referral)
{
    if (isMissing(referral.name, Placeholder::Name))
        return QStringLiteral("Please Enter Your Name");
    if (isMissing(referral.message, Placeholder::Message))
        return QStringLiteral("Please Enter Your Message");
    if (isMissing(referral.friendName, Placeholder::FriendName))
        return QStringLiteral("Please Enter Your Friend's Name");
    return QString();
}

QUrl referralUrl(const Referral &referral)
{
    // Values go in already percent-encoded: QUrlQuery alone would leave "+" as it is, which the
    // web site reads as a space.
    QUrlQuery query;
    query.addQueryItem(QStringLiteral("page"), Page::ReferAFriend);
    query.addQueryItem(QStringLiteral("taf1"), encoded(referral.name));
    query.addQueryItem(QStringLiteral("taf2"), encoded(referral.email));
    query.addQueryItem(QStringLiteral("taf3"), encoded(referral.message));
    query.addQueryItem(QStringLiteral("taf4"), encoded(referral.friendName));
    query.addQueryItem(QStringLiteral("taf5"), encoded(referral.friendEmail));
    query.addQueryItem(QStringLiteral("taf6"), encoded(VendorPageBase()));

    QUrl url(VendorPageBase() + QStringLiteral("ssd.php"));
    url.setQuery(query);
    return url;
}

} // namespace Lumo
