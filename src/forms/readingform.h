#pragma once

#include "form.h"

namespace Lumo {

// A form of a reading (input or display): it lives in the workspace and carries the vendor's
// promotional labels and the Help and Make Money menus.
class ReadingForm : public Form
{
    Q_OBJECT

public:
    ReadingForm();

protected:
    // Connects whichever of the shared link controls the form has and gives the link labels their
    // colours. Call after setupUi.
    void connectVendorLinks();

    void Label61_Click();
    void lblFullBrand_Click();
    void lblCobrand_Click();
    void mnuOnline_Click();
    void mnuVisit_Click();
    void mnuUpdate_Click();
    void mnuAbout_Click();
    void mkmoney_Click();
    void mnuMakeMoneyOnline_Click();

    void connectAction(const char *name, void (ReadingForm::*handler)());
    void connectLabel(const char *name, void (ReadingForm::*handler)());
};

} // namespace Lumo
