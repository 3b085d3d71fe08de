#include "app/frmmdi.h"
#include "app/frmnagscreen2.h"
#include "app/startup.h"
#include "common/buildconfig.h"
#include "common/vendorpages.h"
#include "forms/linkbutton.h"
#include "readings/soulmate/soulmateforms.h"
#include "support/formdriving.h"
#include "support/scripteddesktop.h"

#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSet>
#include <QStandardPaths>
#include <QTest>
#include <QTimer>

using namespace Lumo;
using namespace Lumo::Testing;

namespace {
const QString CannotContainSpace = QStringLiteral("Email Address Cannot Contain Space");

// Runs the application's event loop as the program does, does `step` in it, and tells whether
// the program ended (0) or was still running when the loop was stopped from outside (1).
int runEventLoopAfter(const std::function<void()> &step)
{
    QTimer::singleShot(0, qApp, [step] {
        step();
        QTimer::singleShot(0, qApp, [] { QCoreApplication::exit(1); });
    });
    return QCoreApplication::exec();
}

frmNagScreen2 *activeDialog()
{
    frmNagScreen2 *dialog = openedForm<frmNagScreen2>();
    dialog->activateWindow();
    if (!QTest::qWaitForWindowActive(dialog))
        return nullptr;
    return dialog;
}

QWidget *field(frmNagScreen2 *dialog, const QString &name)
{
    return dialog->findChild<QWidget *>(name);
}
} // namespace

class tst_frmNagScreen2 : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void cleanup();

    void showsItsControls();
    void picksEverySupportMessage();
    void submit_data();
    void submit();
    void staysOpenForFurtherReferrals();
    void spaceInEmail_data();
    void spaceInEmail();
    void placeholders_data();
    void placeholders();
    void links();
    void leavingEndsTheProgram_data();
    void leavingEndsTheProgram();
    void closingMainWindowShowsDialogAndKeepsRunning();
};

void tst_frmNagScreen2::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    // As in the program: closing the main window does not end it.
    QApplication::setQuitOnLastWindowClosed(false);
}

void tst_frmNagScreen2::cleanup()
{
    closeAllForms();
}

void tst_frmNagScreen2::showsItsControls()
{
    frmNagScreen2 *dialog = openedForm<frmNagScreen2>();

    QVERIFY(dialog->isVisible());
    QCOMPARE(dialog->windowTitle(), QStringLiteral("Lumo Tessaray v" LUMO_PROGRAM_VERSION));
    QCOMPARE(control<QLabel>(dialog, "lblNagScreen2Caption")->text(),
             QStringLiteral("Lumo Tessaray v" LUMO_PROGRAM_VERSION));
    QCOMPARE(dialog->size(), QSize(741, 315));
    QCOMPARE(dialog->font().family(), QStringLiteral("Verdana"));
    QVERIFY(dialog->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    QVERIFY(dialog->testAttribute(Qt::WA_ShowWithoutActivating));
    QVERIFY(frmNagScreen2::supportMessages().contains(control<QLabel>(dialog, "Label2")->text()));
    QVERIFY(!control<QCheckBox>(dialog, "Check1")->isChecked());
    QCOMPARE(control<QGroupBox>(dialog, "Frame6")->title(),
             QStringLiteral("Download Orrel Softwares"));
    QCOMPARE(control<LinkButton>(dialog, "lblGoToHome")->text(),
             QStringLiteral("Click Here To Visit Orrel Softwares"));
    QCOMPARE(control<QGroupBox>(dialog, "Frame2")->title(), QStringLiteral("Refer A Friend"));
    QCOMPARE(control<QPlainTextEdit>(dialog, "txtMessage")->verticalScrollBarPolicy(),
             Qt::ScrollBarAlwaysOn);
    QCOMPARE(control<QPushButton>(dialog, "cmdSubmit")->text(),
             QStringLiteral("Refer A Friend &Now"));
    QCOMPARE(control<QPushButton>(dialog, "cmdClose")->text(), QStringLiteral("E&xit"));
    // Everything fits the fixed client area.
    QVERIFY(dialog->centralWidget()->minimumSizeHint().width() <= 741);
    QVERIFY(dialog->centralWidget()->minimumSizeHint().height() <= 315);
}

void tst_frmNagScreen2::picksEverySupportMessage()
{
    QCOMPARE(QSet<QString>(frmNagScreen2::supportMessages().cbegin(),
                           frmNagScreen2::supportMessages().cend())
                 .size(),
             4);
    QSet<QString> shown;
    for (int load = 0; load < 80 && shown.size() < 4; ++load) {
        shown.insert(control<QLabel>(openedForm<frmNagScreen2>(), "Label2")->text());
        closeAllForms();
    }
    QCOMPARE(shown.size(), 4);
}

void tst_frmNagScreen2::submit_data()
{
    QTest::addColumn<QStringList>("typed"); // name, e-mail, message, friend's name and e-mail
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("query");

    const QStringList placeholders = {"Your Name", "Your Email Address", "Your Message",
                                      "Friend's Name", "Friend's Email Address"};
    const QStringList valid = {"Ann", "ann@example.com", "Hello", "Bob", "bob@example.org"};
    const auto with = [&valid](int index, const QString &text) {
        QStringList fields = valid;
        fields[index] = text;
        return fields;
    };

    // A field left empty, or holding only spaces, counts as not filled in.
    // clang-format off
    QTest::newRow("untouched")                         << QStringList{"", "", "", "", ""}             << "Please Enter Proper Email Address"     << QString();
    QTest::newRow("hints typed")                       << placeholders                                << "Please Enter Proper Email Address"     << QString();
    QTest::newRow("both e-mails empty")                << QStringList{"Ann", "", "Hello", "Bob", " "} << "Please Enter Proper Email Address"     << QString();
    QTest::newRow("same e-mail twice")                 << with(4, " ann@example.com")                 << "Please Enter Distinct Email Addresses" << QString();
    QTest::newRow("name only spaces")                  << with(0, "   ")                              << "Please Enter Your Name"                << QString();
    QTest::newRow("message only spaces")               << with(2, " \n ")                             << "Please Enter Your Message"             << QString();
    QTest::newRow("@ without .")                       << with(1, "ann@example")                      << "Please Enter Proper Email Address"     << QString();
    QTest::newRow("name still Your Name")              << with(0, "Your Name")                        << "Please Enter Your Name"                << QString();
    QTest::newRow("message empty")                     << with(2, "")                                 << "Please Enter Your Message"             << QString();
    QTest::newRow("message still Your Message")        << with(2, "Your Message")                     << "Please Enter Your Message"             << QString();
    QTest::newRow("friend's name still Friend's Name") << with(3, "Friend's Name")                    << "Please Enter Your Friend's Name"       << QString();
    QTest::newRow("valid, trimmed")                    << QStringList{" Ann ", "ann@example.com ", "Hello", "Bob", " bob@example.org"} << QString()                               << "taf1=Ann&taf2=ann%40example.com&taf3=Hello&taf4=Bob&taf5=bob%40example.org";
    QTest::newRow("special characters and two lines")  << QStringList{"Tom & Jerry", "tom+jerry@example.com", "Hi #1,\nsee a=b", "Bob", "bob@example.org"} << QString()                               << "taf1=Tom%20%26%20Jerry&taf2=tom%2Bjerry%40example.com&taf3=Hi%20%231%2C%0Asee%20a%3Db&taf4=Bob&taf5=bob%40example.org";
    // clang-format on
}

void tst_frmNagScreen2::submit()
{
    QFETCH(QStringList, typed);
    QFETCH(QString, message);
    QFETCH(QString, query);

    ScriptedDesktop desktop;
    frmNagScreen2 *dialog = openedForm<frmNagScreen2>();
    control<QLineEdit>(dialog, "txtName")->setText(typed[0]);
    control<QLineEdit>(dialog, "txtEmail")->setText(typed[1]);
    control<QPlainTextEdit>(dialog, "txtMessage")->setPlainText(typed[2]);
    control<QLineEdit>(dialog, "txtFriendName")->setText(typed[3]);
    control<QLineEdit>(dialog, "txtFriendEmail")->setText(typed[4]);

    QTest::mouseClick(control<QPushButton>(dialog, "cmdSubmit"), Qt::LeftButton);

    if (message.isEmpty()) {
        QVERIFY(desktop.messages.isEmpty());
        const QString productFolder =
            QString::fromLatin1(QUrl::toPercentEncoding(VendorPageBase()));
        QCOMPARE(desktop.openedUrls.size(), 1);
        QCOMPARE(desktop.openedUrls[0].toString(QUrl::FullyEncoded),
                 VendorPageBase() + "ssd.php?page=velk-refer-a-friend&" + query +
                     "&taf6=" + productFolder);
    } else {
        QCOMPARE(desktop.messageTexts(), QStringList{message});
        QCOMPARE(desktop.messages[0].icon, QMessageBox::Critical);
        QCOMPARE(desktop.messages[0].buttons, QMessageBox::Ok);
        QVERIFY(desktop.openedUrls.isEmpty());
        // The fields stay as they were.
        QCOMPARE(control<QLineEdit>(dialog, "txtName")->text(), typed[0]);
        QCOMPARE(control<QPlainTextEdit>(dialog, "txtMessage")->toPlainText(), typed[2]);
    }
}

void tst_frmNagScreen2::staysOpenForFurtherReferrals()
{
    ScriptedDesktop desktop;
    frmNagScreen2 *dialog = openedForm<frmNagScreen2>();
    control<QLineEdit>(dialog, "txtName")->setText("Ann");
    control<QLineEdit>(dialog, "txtEmail")->setText("ann@example.com");
    control<QPlainTextEdit>(dialog, "txtMessage")->setPlainText("Hello");
    control<QLineEdit>(dialog, "txtFriendName")->setText("Bob");
    control<QLineEdit>(dialog, "txtFriendEmail")->setText("bob@example.org");

    control<QPushButton>(dialog, "cmdSubmit")->click();
    control<QLineEdit>(dialog, "txtFriendEmail")->setText("cy@example.net");
    control<QPushButton>(dialog, "cmdSubmit")->click();

    QCOMPARE(loadedForm<frmNagScreen2>(), dialog);
    QCOMPARE(desktop.openedUrls.size(), 2);
    QVERIFY(desktop.openedUrls[1].toString(QUrl::FullyEncoded).contains("taf5=cy%40example.net"));
}

void tst_frmNagScreen2::spaceInEmail_data()
{
    QTest::addColumn<QString>("fieldName");
    QTest::addColumn<bool>("refused");

    // clang-format off
    QTest::newRow("txtEmail")                   << "txtEmail"       << true;
    QTest::newRow("txtFriendEmail")             << "txtFriendEmail" << true;
    QTest::newRow("txtName takes spaces")       << "txtName"        << false;
    QTest::newRow("txtFriendName takes spaces") << "txtFriendName"  << false;
    // clang-format on
}

void tst_frmNagScreen2::spaceInEmail()
{
    QFETCH(QString, fieldName);
    QFETCH(bool, refused);

    ScriptedDesktop desktop;
    frmNagScreen2 *dialog = activeDialog();
    QVERIFY(dialog);
    auto *box = dialog->findChild<QLineEdit *>(fieldName);
    box->setFocus();
    control<QPushButton>(dialog, "cmdSubmit")
        ->setFocus(); // focus is elsewhere when the message box closes
    box->setText("ann");
    box->setCursorPosition(3);

    QTest::keyClick(box, Qt::Key_Space);
    QTest::keyClicks(box, "x");

    if (refused) {
        QCOMPARE(box->text(), QStringLiteral("annx"));
        QCOMPARE(desktop.messageTexts(), QStringList{CannotContainSpace});
        QCOMPARE(desktop.messages[0].icon, QMessageBox::Critical);
        QCOMPARE(QApplication::focusWidget(), box);
    } else {
        QCOMPARE(box->text(), QStringLiteral("ann x"));
        QVERIFY(desktop.messages.isEmpty());
    }
}

void tst_frmNagScreen2::placeholders_data()
{
    QTest::addColumn<QString>("fieldName");
    QTest::addColumn<QString>("placeholder");

    // clang-format off
    QTest::newRow("txtName")        << "txtName"        << "Your Name";
    QTest::newRow("txtEmail")       << "txtEmail"       << "Your Email Address";
    QTest::newRow("txtMessage")     << "txtMessage"     << "Your Message";
    QTest::newRow("txtFriendName")  << "txtFriendName"  << "Friend's Name";
    QTest::newRow("txtFriendEmail") << "txtFriendEmail" << "Friend's Email Address";
    // clang-format on
}

// Each field starts empty with its hint, which stays until something is typed, also while the
// field has the focus; typed text stays when the field is left and entered again.
void tst_frmNagScreen2::placeholders()
{
    QFETCH(QString, fieldName);
    QFETCH(QString, placeholder);

    ScriptedDesktop desktop;
    frmNagScreen2 *dialog = activeDialog();
    QVERIFY(dialog);
    QWidget *box = field(dialog, fieldName);
    auto *line = qobject_cast<QLineEdit *>(box);
    auto *plain = qobject_cast<QPlainTextEdit *>(box);
    const auto text = [=] { return line ? line->text() : plain->toPlainText(); };
    QCOMPARE(line ? line->placeholderText() : plain->placeholderText(), placeholder);
    QCOMPARE(text(), QString());

    QWidget *elsewhere = control<QPushButton>(dialog, "cmdClose");
    box->setFocus();
    QCOMPARE(text(), QString());
    QTest::keyClicks(box, "abc");
    elsewhere->setFocus();
    box->setFocus();
    QCOMPARE(text(), QStringLiteral("abc"));
}

void tst_frmNagScreen2::links()
{
    ScriptedDesktop desktop;
    frmNagScreen2 *dialog = openedForm<frmNagScreen2>();

    QTest::mouseClick(control<QCheckBox>(dialog, "Check1"), Qt::LeftButton);
    QVERIFY(!control<QCheckBox>(dialog, "Check1")->isChecked());
    control<QCheckBox>(dialog, "Check1")->setChecked(true);
    QVERIFY(!control<QCheckBox>(dialog, "Check1")->isChecked());
    QTest::mouseClick(control<LinkButton>(dialog, "lblGoToHome"), Qt::LeftButton);

    QCOMPARE(desktop.openedUrls, (QList<QUrl>{vendorPageUrl(Page::Home), vendorPageUrl(Page::Home),
                                              vendorPageUrl(Page::OtherPrograms)}));
}

void tst_frmNagScreen2::leavingEndsTheProgram_data()
{
    QTest::addColumn<QString>("how");
    // clang-format off
    QTest::newRow("cmdClose")  << "cmdClose";
    QTest::newRow("close box") << "close box";
    QTest::newRow("Escape")    << "Escape";
    // clang-format on
}

void tst_frmNagScreen2::leavingEndsTheProgram()
{
    QFETCH(QString, how);
    ScriptedDesktop desktop;
    (new SignInputForm(ZodiacSoulmateSign))->open();
    frmNagScreen2 *dialog = how == "Escape" ? activeDialog() : openedForm<frmNagScreen2>();
    QVERIFY(dialog);

    const int result = runEventLoopAfter([dialog, how] {
        if (how == "close box")
            dialog->close();
        else if (how == "Escape")
            QTest::keyClick(dialog->focusWidget() ? dialog->focusWidget() : dialog, Qt::Key_Escape);
        else
            QTest::mouseClick(control<QPushButton>(dialog, "cmdClose"), Qt::LeftButton);
    });

    QCOMPARE(result, 0);
    QVERIFY(loadedForms().isEmpty());
}

void tst_frmNagScreen2::closingMainWindowShowsDialogAndKeepsRunning()
{
    ScriptedDesktop desktop;
    frmMDI *main = openedForm<frmMDI>();
    main->showForm();
    main->OpenReading(3);
    auto *input = loadedForm<SignInputForm>("frmZodiacSoulmateSignMain");
    control<QLineEdit>(input, "txtName")->setText("ANN");
    input->cmdNext_Click();
    QVERIFY(loadedForm<SignDisplayForm>("frmZodiacSoulmateSignDisplay"));

    QCOMPARE(runEventLoopAfter([main] { main->close(); }), 1);

    QVERIFY(!loadedForm<frmMDI>());
    QVERIFY(!loadedForm<SignInputForm>("frmZodiacSoulmateSignMain"));
    QVERIFY(!loadedForm<SignDisplayForm>("frmZodiacSoulmateSignDisplay"));
    frmNagScreen2 *dialog = loadedForm<frmNagScreen2>();
    QVERIFY(dialog);
    QVERIFY(dialog->isVisible());
    QCOMPARE(loadedForms(), QList<Form *>{dialog});

    QCOMPARE(runEventLoopAfter([dialog] { control<QPushButton>(dialog, "cmdClose")->click(); }), 0);
    QVERIFY(loadedForms().isEmpty());
}

QTEST_MAIN(tst_frmNagScreen2)
#include "tst_frmnagscreen2.moc"
