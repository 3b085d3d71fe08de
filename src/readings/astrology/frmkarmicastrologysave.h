#pragma once

#include "nodereading.h"

#include <QDialog>

#include <memory>

namespace Ui {
class frmKarmicAstrologySave;
}

namespace Lumo {

// The Karmic Astrology report: a reading composed as formatted text, with
// Save (a ".kar" file of the name and date) and Print. Shown modally by the display form; links
// in the report open the browser while it is up.
class frmKarmicAstrologySave : public QDialog
{
    Q_OBJECT

public:
    // Places the window and composes the report of the reading.
    explicit frmKarmicAstrologySave(const NodeReadingData &reading, QWidget *parent = nullptr);
    ~frmKarmicAstrologySave() override;

    void cmdSave_Click();
    void cmdprint_Click();

    // Every way of closing the window ends here: link clicks off.
    void done(int result) override;

protected:
    void showEvent(QShowEvent *event) override;

private:
    void Form_Load();
    void Form_Unload();
    void placeAtTopCentre();
    void insertReport();

    std::unique_ptr<Ui::frmKarmicAstrologySave> ui;
    NodeReadingData m_reading;
    bool m_unloaded = false;
};

} // namespace Lumo
