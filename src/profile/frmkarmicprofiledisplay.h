#pragma once

#include "forms/displayform.h"
#include "karmicprofile.h"

#include <memory>

class QTextDocument;

namespace Ui {
class frmKarmicProfileDisplay;
}

namespace Lumo {

// The Karmic Profile: the five readings of one person as one document, to read, print and save
// as a PDF file.
class frmKarmicProfileDisplay : public DisplayForm
{
    Q_OBJECT

public:
    frmKarmicProfileDisplay();
    ~frmKarmicProfileDisplay() override;

    // Shows the profile, from its top.
    void showProfile(const KarmicProfile &profile);
    const KarmicProfile &profile() const { return m_profile; }
    // The profile as it shows, prints and is saved.
    const QTextDocument &document() const;

    // Prints the profile through the print dialog.
    void cmdPrint_Click();
    // Asks for a file and saves the profile there as a PDF file.
    void cmdSavePdf_Click();

private:
    std::unique_ptr<Ui::frmKarmicProfileDisplay> ui;
    KarmicProfile m_profile;
};

} // namespace Lumo
