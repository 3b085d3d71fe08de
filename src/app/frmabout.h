#pragma once

#include "ui_frmabout.h"

#include <QDialog>

namespace Lumo {

// The About box, shown modally from the About item of every menu bar.
class frmAbout : public QDialog
{
    Q_OBJECT

public:
    explicit frmAbout(QWidget *parent = nullptr);

private:
    void cmdOK_Click();

    Ui::frmAbout ui;
};

} // namespace Lumo
