#pragma once

#include "displayform.h"

#include <QPointer>

#include <variant>

class QAction;
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
};

// The first, middle and last name boxes of the numerology forms.
struct NameBoxes
{
    QLineEdit *txtFirstName;
    QLineEdit *txtMiddleName;
    QLineEdit *txtLastName;
};

// The shared controls of an input form, from its generated ui.
struct InputControls
{
    std::variant<QLineEdit *, NameBoxes> name; // the single name box, or the three name boxes
    QComboBox *cboDate;
    QComboBox *cboMonth;
    QComboBox *cboYear;
    QPushButton *cmdNext;
    QPushButton *cmdExit;
    QAction *nextItem; // the File menu's item that runs Next
    QAction *mnuExit;
};

// The shared controls of an input form, from its generated ui: the name box or boxes, and the
// File menu's item that runs Next.
template <class FormUi>
InputControls inputControls(FormUi &ui, decltype(InputControls::name) name, QAction *nextItem)
{
    return {.name = name,
            .cboDate = ui.cboDate,
            .cboMonth = ui.cboMonth,
            .cboYear = ui.cboYear,
            .cmdNext = ui.cmdNext,
            .cmdExit = ui.cmdExit,
            .nextItem = nextItem,
            .mnuExit = ui.mnuExit};
}

// The same for a form with the single name box.
template <class FormUi> InputControls singleNameControls(FormUi &ui, QAction *nextItem)
{
    return inputControls(ui, ui.txtName, nextItem);
}

// The same for a form with the first, middle and last name boxes.
template <class FormUi> InputControls threeNameControls(FormUi &ui)
{
    return inputControls(ui, NameBoxes{ui.txtFirstName, ui.txtMiddleName, ui.txtLastName},
                         ui.mnuNext);
}

// An input form: a name (one box, or first, middle and last name boxes) and a date of birth
// picked from three lists, checked by ValidateEntry before the reading is computed.
class InputForm : public ReadingForm
{
    Q_OBJECT

public:
    explicit InputForm(const InputFormSettings &settings);

    virtual void cmdNext_Click() = 0;
    void cmdExit_Click();
    bool ValidateEntry();

Q_SIGNALS:
    // The form has loaded, for a reading that reminds the user of updates.
    void updateReminderDue();

protected:
    // The form's own display form, opened in its workspace when first wanted and again after it
    // has unloaded. Its Back brings this form back; it unloads with this form.
    template <class Display, class... Arguments> Display *displayForm(const Arguments &...arguments)
    {
        if (!m_display || !m_display->isLoaded()) {
            auto *display = new Display(arguments...);
            connect(display, &DisplayForm::backRequested, this, &InputForm::showForm);
            connect(display, &ReadingForm::aboutRequested, this, &ReadingForm::aboutRequested);
            display->open(workspace());
            m_display = display;
        }
        return static_cast<Display *>(m_display.data());
    }
    // After a valid entry: the input form hides (keeping its entries) and its display form
    // shows.
    void handOverTo(DisplayForm *display);
    // Takes the shared controls and connects them. Call after setupUi.
    void connectInputControls(const InputControls &controls);
    void Form_Load() override;
    void Form_Unload() override;
    // Enter presses the focused button, or else the default button, Next, as in a dialog.
    void keyPressEvent(QKeyEvent *event) override;
    // Enter in a name box or a date list presses Next before the box, the list or a group box
    // around them can take it.
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // The name boxes and the date lists.
    QList<QWidget *> fields() const;
    void txtName_KeyPress(int &KeyAscii);
    void fillLists();
    bool failEntry(const QString &message, QWidget *focus);

    InputFormSettings m_settings;
    InputControls m_controls;
    QPointer<DisplayForm> m_display;
};

} // namespace Lumo
