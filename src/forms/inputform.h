#pragma once

#include "readingform.h"

class QComboBox;
class QKeyEvent;
class QLineEdit;
class QPushButton;

namespace Lumo {

// What differs between the input forms of the readings.
struct InputFormSettings
{
    int firstYear = 0;
    int lastYear = 0;
    bool remindsUpdate = false;
    QString februaryMessage = QStringLiteral("Please Enter Correct Date Or Month!");
    QString thirtyFirstMessage = QStringLiteral("Please Enter Correct Date Or Month !");
    bool februaryFailureFocusesDay = false;
    const char *nextMenuItem = "mnuNext";
};

// An input form: a name (one box, or first, middle and last name boxes) and a date of birth
// picked from three lists, checked by ValidateEntry before the reading is computed.
class InputForm : public ReadingForm
{
    Q_OBJECT

public:
    explicit InputForm(const InputFormSettings &settings);

    QComboBox *cboDate = nullptr;
    QComboBox *cboMonth = nullptr;
    QComboBox *cboYear = nullptr;
    QLineEdit *txtName = nullptr;
    QLineEdit *txtFirstName = nullptr;
    QLineEdit *txtMiddleName = nullptr;
    QLineEdit *txtLastName = nullptr;

    virtual void cmdNext_Click() = 0;
    void cmdExit_Click();
    bool ValidateEntry();

protected:
    // After a valid entry: the input form hides (keeping its entries), the display form shows
    // and the start panel stays hidden.
    void handOverTo(Form *display);
    // Finds the shared controls by name and connects them. Call after setupUi.
    void connectInputControls();
    void Form_Load() override;
    void Form_Unload() override;
    // Enter presses the focused button, or else the default button, Next, as in a dialog.
    void keyPressEvent(QKeyEvent *event) override;

private:
    void txtName_KeyPress(int &KeyAscii);
    void txtFirstName_KeyPress(int &KeyAscii);
    void txtMiddleName_KeyPress(int &KeyAscii);
    void txtLastName_KeyPress(int &KeyAscii);
    void mnuNext_Click();
    void mnuExit_Click();
    void fillLists();
    bool failEntry(const QString &message, QWidget *focus);

    InputFormSettings m_settings;
    QPushButton *m_next = nullptr;
};

} // namespace Lumo
