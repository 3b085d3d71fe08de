#pragma once

#include "readingform.h"

class QAction;
class QPushButton;

namespace Lumo {

// A display form of a reading, opened and owned by its input form: Back returns to that form,
// Exit and the close box return to the main window's start panel.
class DisplayForm : public ReadingForm
{
    Q_OBJECT

public:
    void cmdBack_Click();
    void cmdExit_Click();

Q_SIGNALS:
    // Back was chosen; the form has unloaded.
    void backRequested();

protected:
    // Connects Back and Exit and their File menu items, where the form has them. Call after
    // setupUi.
    void connectDisplayControls(QPushButton *back, QPushButton *exit = nullptr,
                                QAction *backItem = nullptr, QAction *exitItem = nullptr);
    void Form_Load() override;
};

} // namespace Lumo
