#pragma once

#include <QDialog>

#include <memory>

namespace Ui {
class frmAbout;
}

namespace Lumo {

// The About box, shown modally from the About item of every menu bar.
class frmAbout : public QDialog
{
    Q_OBJECT

public:
    explicit frmAbout(QWidget *parent = nullptr);
    ~frmAbout() override;

private:
    void cmdOK_Click();

    std::unique_ptr<Ui::frmAbout> ui;
};

} // namespace Lumo
