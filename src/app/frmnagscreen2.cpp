#include "frmnagscreen2.h"
#include "ui_frmnagscreen2.h"

#include "common/names.h"
#include "common/vendorpages.h"
#include "forms/desktop.h"
#include "forms/fixedcolours.h"
#include "forms/focusframe.h"
#include "forms/form.h"
#include "forms/keypressfilter.h"
#include "forms/screenplacement.h"
#include "forms/vendorlinks.h"

#include <QApplication>
#include <QKeyEvent>
#include <QRandomGenerator>
#include <QScreen>

namespace Lumo {

namespace {
constexpr QSize ClientArea(741, 315); // 11115 by 4725 twips
constexpr int IconSize = 32;
} // namespace

frmNagScreen2::frmNagScreen2() : ui(std::make_unique<Ui::frmNagScreen2>())
{
    ui->setupUi(this);
    // Kept above other windows, also while the browser opens, and shown without taking the focus.
    setWindowFlag(Qt::WindowStaysOnTopHint);
    setAttribute(Qt::WA_ShowWithoutActivating);
    setClassicColours(ui->Frame6);
    setTextColour(ui->lblGoToHome, FixedColour::Link);

    // The fields have no labels: each is named, for screen readers too, by the text it shows
    // until something is typed in it, rather than all five after the box around them.
    const auto ask = [](auto *field, const QString &text) {
        field->setPlaceholderText(text);
        field->setAccessibleName(text);
    };
    ask(ui->txtName, Placeholder::Name);
    ask(ui->txtEmail, Placeholder::Email);
    ask(ui->txtMessage, Placeholder::Message);
    ask(ui->txtFriendName, Placeholder::FriendName);
    ask(ui->txtFriendEmail, Placeholder::FriendEmail);

    drawFocusOfEveryControl(this);
    KeyPressFilter::install(ui->txtEmail, [this](int &key) { txtEmail_KeyPress(key); });
    KeyPressFilter::install(ui->txtFriendEmail, [this](int &key) { txtFriendEmail_KeyPress(key); });
    connect(ui->cmdSubmit, &QPushButton::clicked, this, &frmNagScreen2::cmdSubmit_Click);
    connect(ui->cmdClose, &QPushButton::clicked, this, &frmNagScreen2::cmdClose_Click);
    connect(ui->Check1, &QCheckBox::toggled, this, &frmNagScreen2::Check1_Click);
    ui->Check1->installEventFilter(this);
    connectVendorLinks({{ui->lblGoToHome, Page::OtherPrograms}});
    Form_Load();
}

frmNagScreen2::~frmNagScreen2() = default;

const QStringList &frmNagScreen2::supportMessages()
{
    static const QStringList messages = {
        QStringLiteral("Our programs can only be made and kept up with the support of the people "
                       "who use them. The best support you can give is to visit our forum "
                       "regularly and take part in its discussions."),
        QStringLiteral("Please visit our forum regularly and take part in its discussions. "
                       "Without regular visitors we cannot keep these programs up."),
        QStringLiteral("Our forum is a free online discussion forum. Visit it regularly to help us "
                       "develop this program and keep it up."),
        QStringLiteral("Our forum needs your help! Visit it regularly and take part in its "
                       "discussions, so that we can make more programs like this one."),
    };
    return messages;
}

void frmNagScreen2::Form_Load()
{
    setWindowTitle(AppTitle);
    ui->lblNagScreen2Caption->setText(AppTitle);
    const QIcon icon = QApplication::windowIcon();
    setWindowIcon(icon);
    if (!icon.isNull())
        ui->picNagscreen2Icon->setPixmap(icon.pixmap(IconSize, IconSize));

    const QStringList &messages = supportMessages();
    ui->Label2->setText(messages.at(QRandomGenerator::global()->bounded(messages.size())));

    setFixedSize(ClientArea);
    if (const QScreen *screen = this->screen())
        placeOnScreen(this, screen->availableGeometry(), size(), VerticalPlacement::Centred);
}

void frmNagScreen2::done(int result)
{
    QDialog::done(result);
    if (m_left)
        return;
    m_left = true;
    Form_Unload();
}

void frmNagScreen2::Form_Unload()
{
    deleteLater();
    EndProgram();
}

void frmNagScreen2::cmdClose_Click()
{
    reject();
}

void frmNagScreen2::txtEmail_KeyPress(int &KeyAscii)
{
    refuseSpace(ui->txtEmail, KeyAscii);
}

void frmNagScreen2::txtFriendEmail_KeyPress(int &KeyAscii)
{
    refuseSpace(ui->txtFriendEmail, KeyAscii);
}

void frmNagScreen2::refuseSpace(QWidget *emailBox, int &KeyAscii)
{
    if (KeyAscii != ' ')
        return;
    showCritical(this, QStringLiteral("Email Address Cannot Contain Space"));
    KeyAscii = 0;
    emailBox->setFocus();
}

void frmNagScreen2::cmdSubmit_Click()
{
    m_referral = Referral{ui->txtName->text(), ui->txtEmail->text(), ui->txtMessage->toPlainText(),
                          ui->txtFriendName->text(), ui->txtFriendEmail->text()}
                     .trimmed();
    // An e-mail field left empty holds no address, which is not a proper one; two empty fields
    // are not the same address typed twice.
    const bool emailMissing = m_referral.email.isEmpty() || m_referral.friendEmail.isEmpty();
    const QString emailProblem =
        emailMissing ? ImproperEmailAddress : checkEmailAddresses(m_referral);
    if (!emailProblem.isEmpty()) {
        showCritical(this, emailProblem);
        return;
    }
    SendReferral();
}

void frmNagScreen2::SendReferral()
{
    const QString problem = checkReferralDetails(m_referral);
    if (!problem.isEmpty()) {
        showCritical(this, problem);
        return;
    }
    openWebPage(referralUrl(m_referral), this);
}

// Return on the check box presses the default button, as elsewhere in the dialog. Desktops that
// let Return press the focused button (GTK's) would otherwise tick it, and the box opens the
// forum: the dialog opens with the focus on it.
bool frmNagScreen2::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == ui->Check1 && event->type() == QEvent::KeyPress) {
        auto *key = static_cast<QKeyEvent *>(event);
        if ((key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) &&
            !(key->modifiers() & ~Qt::KeypadModifier)) {
            QDialog::keyPressEvent(key);
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void frmNagScreen2::Check1_Click()
{
    // The box only acts as a link: it never stays checked. Unchecking it here comes back to this
    // handler, which then does nothing.
    if (!ui->Check1->isChecked())
        return;
    ui->Check1->setChecked(false);
    OpenVendorPage(Page::Home, this);
}

frmNagScreen2 *showSupportDialog()
{
    auto *support = new frmNagScreen2;
    support->show();
    return support;
}

} // namespace Lumo
