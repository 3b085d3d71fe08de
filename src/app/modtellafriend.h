#pragma once

#include <QString>
#include <QUrl>

namespace Lumo {

// The hints the refer-a-friend fields show while nothing is typed in them.
namespace Placeholder {
inline const QString Name = QStringLiteral("Your Name");
inline const QString Email = QStringLiteral("Your Email Address");
inline const QString Message = QStringLiteral("Your Message");
inline const QString FriendName = QStringLiteral("Friend's Name");
inline const QString FriendEmail = QStringLiteral("Friend's Email Address");
} // namespace Placeholder

// The message for an e-mail address that is missing or lacks an "@" or a ".".
inline const QString ImproperEmailAddress = QStringLiteral("Please Enter Proper Email Address");

// The five values of a referral, each the text of its field as typed.
struct Referral
{
    QString name;
    QString email;
    QString message;
    QString friendName;
    QString friendEmail;

    // The same referral with leading and trailing white space removed from every value.
    Referral trimmed() const;
};

// The checks of the two e-mail addresses, in their order: distinct, with an "@", with a ".".
// Returns the message of the first check that fails, or an empty text.
QString checkEmailAddresses(const Referral &referral);

// The checks of the name, the message and the friend's name, in that order; a value that is empty
// or is its field's hint typed in counts as missing. Returns the message of the first check that
// fails, or an empty text.
QString checkReferralDetails(const Referral &referral);

// The refer-a-friend page with the referral as query values "taf1" to "taf5" and the product's
// folder as "taf6"; every value is percent-encoded, so "&", "#", "=", "+" or a line break in it
// stays inside its own value.
QUrl referralUrl(const Referral &referral);

} // namespace Lumo
