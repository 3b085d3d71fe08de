#pragma once

#include "forms/displayform.h"
#include "forms/inputform.h"

#include <QString>

#include <memory>

namespace Ui {
class NumerologyInputForm;
class NumerologyDisplayForm;
} // namespace Ui

namespace Lumo {

// What tells the two numerology readings apart: the names and captions of their forms, and how
// the reading text is made from the full name and the day of birth.
struct NumerologyReading
{
    QString inputName;
    QString displayName;
    QString title;
    QString readingName; // what a screen reader calls the reading text
    QString (*readingText)(const QString &fullName, int birthDay);
};

extern const NumerologyReading KarmicDebtNumber;
extern const NumerologyReading KarmicLessonNumber;

// The display form of a numerology reading: the reading text, Back and Print.
class NumerologyDisplayForm : public DisplayForm
{
    Q_OBJECT

public:
    explicit NumerologyDisplayForm(const NumerologyReading &reading);
    ~NumerologyDisplayForm() override;

    void showReading(const QString &text);
    void cmdprint_Click();

private:
    std::unique_ptr<Ui::NumerologyDisplayForm> ui;
};

// The input form of a numerology reading: first, middle and last name and a date of birth; Next
// shows the reading on the form's display form.
class NumerologyInputForm : public InputForm
{
    Q_OBJECT

public:
    explicit NumerologyInputForm(const NumerologyReading &reading);
    ~NumerologyInputForm() override;

    // The display form is shown first, then the reading is written into it.
    void cmdNext_Click() override;

private:
    std::unique_ptr<Ui::NumerologyInputForm> ui;
    const NumerologyReading &m_reading;
};

} // namespace Lumo
