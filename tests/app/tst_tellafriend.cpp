#include "app/modtellafriend.h"
#include "common/vendorpages.h"

#include <QTest>
#include <QUrlQuery>

using namespace Lumo;

Q_DECLARE_METATYPE(Lumo::Referral)

namespace {
const Referral Valid{"Ann", "ann@example.com", "Try this program", "Bob", "bob@example.org"};

Referral with(QString Referral::*field, const QString &value, Referral referral = Valid)
{
    referral.*field = value;
    return referral;
}

// The order in which the dialog runs the checks: the e-mail addresses first, then the rest.
QString firstFailure(const Referral &typed)
{
    const Referral referral = typed.trimmed();
    const QString emailProblem = checkEmailAddresses(referral);
    return emailProblem.isEmpty() ? checkReferralDetails(referral) : emailProblem;
}
} // namespace

class tst_TellAFriend : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void checks_data();
    void checks();
    void address_data();
    void address();
};

void tst_TellAFriend::checks_data()
{
    QTest::addColumn<Referral>("referral");
    QTest::addColumn<QString>("message");

    const QString distinct = QStringLiteral("Please Enter Distinct Email Addresses");
    const QString proper = QStringLiteral("Please Enter Proper Email Address");
    const QString name = QStringLiteral("Please Enter Your Name");
    const QString message = QStringLiteral("Please Enter Your Message");
    const QString friendName = QStringLiteral("Please Enter Your Friend's Name");
    const Referral placeholders{Placeholder::Name, Placeholder::Email, Placeholder::Message,
                                Placeholder::FriendName, Placeholder::FriendEmail};

    // clang-format off
    QTest::newRow("valid")                                << Valid                                                    << QString();
    QTest::newRow("both e-mails empty")                   << Referral{"Ann", "", "Hi", "Bob", ""}                     << distinct;
    QTest::newRow("same e-mail twice")                    << with(&Referral::friendEmail, "ann@example.com")          << distinct;
    QTest::newRow("same e-mail once spaced")              << with(&Referral::friendEmail, "  ann@example.com ")       << distinct;
    QTest::newRow("all placeholders")                     << placeholders                                             << proper;
    QTest::newRow("own e-mail has no @")                  << with(&Referral::email, "ann.example.com")                << proper;
    QTest::newRow("friend's e-mail has no @")             << with(&Referral::friendEmail, "bob.example.org")          << proper;
    QTest::newRow("@ but no .")                           << with(&Referral::email, "ann@example")                    << proper;
    QTest::newRow("friend's @ but no .")                  << with(&Referral::friendEmail, "bob@example")              << proper;
    QTest::newRow("name still placeholder")               << with(&Referral::name, Placeholder::Name)                 << name;
    QTest::newRow("name spaces only")                     << with(&Referral::name, "   ")                             << name;
    QTest::newRow("name and message missing: name first") << with(&Referral::message, "", with(&Referral::name, ""))  << name;
    QTest::newRow("message empty")                        << with(&Referral::message, "")                             << message;
    QTest::newRow("message still placeholder")            << with(&Referral::message, " Your Message ")               << message;
    QTest::newRow("friend's name empty")                  << with(&Referral::friendName, "")                          << friendName;
    QTest::newRow("friend's name still placeholder")      << with(&Referral::friendName, Placeholder::FriendName)     << friendName;
    QTest::newRow("e-mails checked before the name")      << with(&Referral::email, "ann", with(&Referral::name, "")) << proper;
    // clang-format on
}

void tst_TellAFriend::checks()
{
    QFETCH(Referral, referral);
    QFETCH(QString, message);
    QCOMPARE(firstFailure(referral), message);
}

void tst_TellAFriend::address_data()
{
    QTest::addColumn<Referral>("referral");
    QTest::addColumn<QString>("query");

    // clang-format off
    QTest::newRow("plain")              << Valid << "taf1=Ann&taf2=ann%40example.com&taf3=Try%20this%20program&taf4=Bob&taf5=bob%40example.org";
    QTest::newRow("special characters") << Referral{"Tom & Jerry", "tom+jerry@example.com", "Line one #1\r\na=b, 50% off", "Bob=Ann", "b\xc3\xb8@example.org"} << "taf1=Tom%20%26%20Jerry&taf2=tom%2Bjerry%40example.com&taf3=Line%20one%20%231%0D%0Aa%3Db%2C%2050%25%20off&taf4=Bob%3DAnn&taf5=b%C3%B8%40example.org";
    // clang-format on
}

void tst_TellAFriend::address()
{
    QFETCH(Referral, referral);
    QFETCH(QString, query);

    const QUrl url = referralUrl(referral);
    const QString productFolder = QString::fromLatin1(QUrl::toPercentEncoding(VendorPageBase()));
    QCOMPARE(url.toString(QUrl::FullyEncoded), VendorPageBase() +
                                                   "ssd.php?page=velk-refer-a-friend&" + query +
                                                   "&taf6=" + productFolder);

    // The web site gets back exactly what was typed, each value under its own key.
    const QUrlQuery received(url);
    QCOMPARE(received.queryItemValue("taf1", QUrl::FullyDecoded), referral.name);
    QCOMPARE(received.queryItemValue("taf2", QUrl::FullyDecoded), referral.email);
    QCOMPARE(received.queryItemValue("taf3", QUrl::FullyDecoded), referral.message);
    QCOMPARE(received.queryItemValue("taf4", QUrl::FullyDecoded), referral.friendName);
    QCOMPARE(received.queryItemValue("taf5", QUrl::FullyDecoded), referral.friendEmail);
    QCOMPARE(received.queryItemValue("taf6", QUrl::FullyDecoded), VendorPageBase());
    QCOMPARE(received.queryItems().size(), 7);
}

QTEST_APPLESS_MAIN(tst_TellAFriend)
#include "tst_tellafriend.moc"
