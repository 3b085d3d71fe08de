#pragma once

#include "forms/form.h"
#include "modtellafriend.h"

#include <memory>

namespace Ui {
class frmNagScreen2;
}

namespace Lumo {

// The last window of the program, shown when the main window has closed: a plea to support the
// vendor's forum, a link to the vendor's other programs and a refer-a-friend form. It stays above
// other windows; leaving it ends the program.
class frmNagScreen2 : public Form
{
    Q_OBJECT

public:
    frmNagScreen2();
    ~frmNagScreen2() override;

    // The messages of which Label2 shows one, picked at random at load.
    static const QStringList &supportMessages();

    void cmdSubmit_Click();
    void cmdClose_Click();
    void Check1_Click();

protected:
    void Form_Load() override;
    void Form_Unload() override;

private:
    void SendReferral();
    void txtEmail_KeyPress(int &KeyAscii);
    void txtFriendEmail_KeyPress(int &KeyAscii);
    void refuseSpace(QWidget *emailBox, int &KeyAscii);

    std::unique_ptr<Ui::frmNagScreen2> ui;
    Referral m_referral;
};

// Shows the support dialog, modeless; called once the main window has unloaded.
void showSupportDialog();

} // namespace Lumo
