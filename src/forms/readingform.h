#pragma once

#include "common/vendorpages.h"
#include "form.h"
#include "vendorlinks.h"

#include <initializer_list>

class QAction;

namespace Lumo {

// What a reading form's Exit does, told to screen readers: the main window's Exit has the same
// caption but quits the program.
inline const QString ReadingExitDescription = QStringLiteral("Closes the reading");

// A form of a reading (input or display): it lives in the workspace and carries the vendor's
// promotional labels and the Help and Make Money menus.
class ReadingForm : public Form
{
    Q_OBJECT

public:
    ReadingForm();

Q_SIGNALS:
    // The Help menu's About item was chosen; the About box shows over the given form.
    void aboutRequested(QWidget *over);

protected:
    // Makes the vendor link controls open their pages and the Help menu's About item, where the
    // form has one, show the About box. Call after setupUi.
    void connectLinks(std::initializer_list<VendorLink> vendorLinks, QAction *about = nullptr);

    // The links most reading forms carry: the three vendor labels, the Help menu and the Make
    // Money item (whose name differs between forms).
    template <class FormUi> void connectMenuLinks(FormUi &ui, QAction *makeMoneyItem)
    {
        connectLinks({{ui.Label61, Page::Home},
                      {ui.lblFullBrand, Page::FullyBranded},
                      {ui.lblCobrand, Page::CoBrand},
                      {ui.mnuOnline, Page::Help},
                      {ui.mnuVisit, Page::Home},
                      {ui.mnuUpdate, Page::Download},
                      {makeMoneyItem, Page::FullyBranded}},
                     ui.mnuAbout);
    }
};

} // namespace Lumo
