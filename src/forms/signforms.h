#pragma once

#include "common/names.h"
#include "displayform.h"
#include "inputform.h"

#include <QDate>
#include <QString>

#include <memory>
#include <optional>

namespace Ui {
class SignInputForm;
class SignDisplayForm;
} // namespace Ui

namespace Lumo {

// What tells the zodiac sign readings (soulmate, spiritual) apart: the names and captions of
// their forms, their years, and their tables of signs and descriptions.
struct SignReading
{
    struct Names
    {
        QString input, display;
        QString findItem;                 // the File menu's item that runs Next
        QString frame, knownAs, placedIn; // on the display form
        QString sign;
    };
    struct Captions
    {
        QString title, intro, find;
        QString frame, knownAs, placedIn;
    };
    Names names;
    Captions captions;
    int firstYear = 0;
    int lastYear = 0;
    // The sign on a date of birth; nothing when the reading's tables have none for it.
    std::optional<Zodiac::Sign> (*findSign)(const QDate &date) = nullptr;
    // The description of a sign.
    QString (*describe)(Zodiac::Sign sign) = nullptr;
};

// The display form: the sign in red in its frame, and its description.
class SignDisplayForm : public DisplayForm
{
    Q_OBJECT

public:
    explicit SignDisplayForm(const SignReading &reading);
    ~SignDisplayForm() override;

    // Shows a sign with its description; without a sign, the sign shows empty and the
    // description stays as it was.
    void showSign(std::optional<Zodiac::Sign> sign);

private:
    std::unique_ptr<Ui::SignDisplayForm> ui;
    const SignReading &m_reading;
};

// The input form: a name, a date of birth in the reading's years, and the sign found for it,
// shown on the form's display form. The form keeps the last sign its table found for as long as
// it is loaded: a lookup that finds nothing shows that sign again.
class SignInputForm : public InputForm
{
    Q_OBJECT

public:
    explicit SignInputForm(const SignReading &reading);
    ~SignInputForm() override;

    // The sign is written into the display form first, then the form is shown.
    void cmdNext_Click() override;

private:
    std::unique_ptr<Ui::SignInputForm> ui;
    const SignReading &m_reading;
    std::optional<Zodiac::Sign> m_lastSign;
};

} // namespace Lumo
