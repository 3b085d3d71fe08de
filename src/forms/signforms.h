#pragma once

#include "displayform.h"
#include "inputform.h"

#include <QDate>
#include <QString>

#include <memory>
#include <optional>

class QGroupBox;
class QLabel;

namespace Lumo {

class SizeCachingLabel;

// The forms of the zodiac sign readings (soulmate, spiritual). FormUi is a form's generated ui
// class, which users of the forms need not see: the members are defined in signforms_impl.h, and
// each reading instantiates its forms there.

// The input form: a name, a date of birth in the reading's years, and a sign looked up in the
// reading's table and shown on the display form Display. The form keeps the last sign its table
// found for as long as it is loaded: a lookup that finds nothing shows that sign again.
template <class FormUi, class Display> class SignInputForm : public InputForm
{
public:
    // Looks the date of birth up in the reading's tables; nothing when they have no sign for it.
    using FindSign = std::optional<QString> (*)(const QDate &date);

    // nextItem is the File menu's item that runs Next.
    SignInputForm(int firstYear, int lastYear, FindSign findSign, QAction *FormUi::*nextItem);
    ~SignInputForm() override;

    // The sign is written into the display form first, then the form is shown.
    void cmdNext_Click() override;

private:
    std::unique_ptr<FormUi> ui;
    FindSign m_findSign;
    QString m_lastSign;
};

// The display form: the sign in red in its frame, and its description.
template <class FormUi> class SignDisplayForm : public DisplayForm
{
public:
    // The description of a sign; a null text for a sign without one.
    using Describe = QString (*)(const QString &sign);

    SignDisplayForm(Describe describe, QGroupBox *FormUi::*signFrame,
                    SizeCachingLabel *FormUi::*signLabel);
    ~SignDisplayForm() override;

    // Shows a sign with its description; a sign without one keeps the description shown.
    void showSign(const QString &sign);

private:
    std::unique_ptr<FormUi> ui;
    Describe m_describe;
    // Kept apart from ui, so that showSign also compiles where the input form instantiates it
    // without this form's generated ui class.
    SizeCachingLabel *m_signLabel = nullptr;
    QLabel *m_descriptionLabel = nullptr;
};

} // namespace Lumo
