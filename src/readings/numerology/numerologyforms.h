#pragma once

#include "forms/displayform.h"
#include "forms/inputform.h"

#include <QString>

#include <memory>

class QPlainTextEdit;

namespace Lumo {

// The forms of the two numerology readings. FormUi is a form's generated ui class, which users of
// the forms need not see: the members are defined in numerologyforms_impl.h, and each reading
// instantiates its forms there.

// The Karmic Debt Number and Karmic Lesson Number input forms: first, middle and last name, the
// same years and messages, and a reading text made from the full name and the day of birth,
// shown on the display form Display.
template <class FormUi, class Display> class NumerologyInputForm : public InputForm
{
public:
    using Reading = QString (*)(const QString &fullName, int birthDay);

    explicit NumerologyInputForm(Reading reading);
    ~NumerologyInputForm() override;

    // The display form is shown first, then the reading is written into it.
    void cmdNext_Click() override;

private:
    std::unique_ptr<FormUi> ui;
    Reading m_reading;
};

// The display forms of the two numerology readings: the reading text, Back and Print.
template <class FormUi> class NumerologyDisplayForm : public DisplayForm
{
public:
    NumerologyDisplayForm();
    ~NumerologyDisplayForm() override;

    void showReading(const QString &text);
    void cmdprint_Click();

private:
    std::unique_ptr<FormUi> ui;
    // Kept apart from ui, so that showReading also compiles where the input form instantiates it
    // without this form's generated ui class.
    QPlainTextEdit *m_readingText = nullptr;
};

} // namespace Lumo
