#pragma once

#include "readingform.h"

class QAction;
class QPushButton;

namespace Lumo {

// A display form of a reading: Back returns to the input form that opened it, Exit and the close
// box return to the main window's start panel.
class DisplayForm : public ReadingForm
{
    Q_OBJECT

public:
    void cmdBack_Click();
    void cmdExit_Click();

protected:
    // The input form that opens this display form.
    virtual Form *inputForm() = 0;

    // Connects Back and Exit and their File menu items, where the form has them. Call after
    // setupUi.
    void connectDisplayControls(QPushButton *back, QPushButton *exit = nullptr,
                                QAction *backItem = nullptr, QAction *exitItem = nullptr);
    void Form_Load() override;
    void Form_Unload() override;
};

} // namespace Lumo
