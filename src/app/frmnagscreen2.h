#pragma once

#include "modtellafriend.h"

#include <QDialog>

#include <memory>

namespace Ui {
class frmNagScreen2;
}

namespace Lumo {

// The last window of the program, shown when the main window has closed: a plea to support the
// vendor's forum, a link to the vendor's other programs and a refer-a-friend form. A modeless
// dialog of its own that stays above other windows. Return presses Refer A Friend Now (in the
// message it starts a new line); leaving the dialog (Exit, Escape or the close box) ends the
// program.
class frmNagScreen2 : public QDialog
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

    // Every way of leaving the dialog ends here, and so does the program.
    void done(int result) override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void Form_Load();
    void Form_Unload();
    void SendReferral();
    void txtEmail_KeyPress(int &KeyAscii);
    void txtFriendEmail_KeyPress(int &KeyAscii);
    void refuseSpace(QWidget *emailBox, int &KeyAscii);

    std::unique_ptr<Ui::frmNagScreen2> ui;
    Referral m_referral;
    bool m_left = false;
};

// Shows the support dialog, modeless, and gives it; called once the main window has unloaded.
frmNagScreen2 *showSupportDialog();

} // namespace Lumo
