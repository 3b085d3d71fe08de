#include "inputform.h"

#include "common/names.h"
#include "datecheck.h"
#include "desktop.h"
#include "keypressfilter.h"

#include <QAction>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>

namespace Lumo {

namespace {

const QString OnlyLettersMessage = QStringLiteral("Please Enter only Letters");

// The single name box holds the letters A to Z and spaces, as capitals, whichever way the text
// came in; a ".kar" file could not keep any other character.
std::optional<QString> singleNameText(const QString &text)
{
    for (const QChar c : text) {
        if (!isAsciiLetter(c.unicode()) && c != u' ')
            return std::nullopt;
    }
    return text.toUpper();
}

// The numerology name boxes take any text, with its letters as capitals.
std::optional<QString> numerologyNameText(const QString &text)
{
    return text.toUpper();
}

} // namespace

InputForm::InputForm(const InputFormSettings &settings) : m_settings(settings) {}

void InputForm::connectInputControls(const InputControls &controls)
{
    cboDate = controls.cboDate;
    cboMonth = controls.cboMonth;
    cboYear = controls.cboYear;
    txtName = controls.txtName;
    txtFirstName = controls.txtFirstName;
    txtMiddleName = controls.txtMiddleName;
    txtLastName = controls.txtLastName;

    if (txtName) {
        KeyPressFilter::install(txtName, [this](int &key) { txtName_KeyPress(key); });
        EditedTextFilter::install(txtName, singleNameText,
                                  [this] { showInformation(this, OnlyLettersMessage); });
    }
    for (QLineEdit *box : {txtFirstName, txtMiddleName, txtLastName}) {
        if (box)
            EditedTextFilter::install(box, numerologyNameText);
    }
    if (txtFirstName)
        KeyPressFilter::install(txtFirstName, [this](int &key) { txtFirstName_KeyPress(key); });
    if (txtMiddleName)
        KeyPressFilter::install(txtMiddleName, [this](int &key) { txtMiddleName_KeyPress(key); });
    if (txtLastName)
        KeyPressFilter::install(txtLastName, [this](int &key) { txtLastName_KeyPress(key); });

    m_next = controls.cmdNext;
    connect(m_next, &QPushButton::clicked, this, &InputForm::cmdNext_Click);
    connect(controls.cmdExit, &QPushButton::clicked, this, &InputForm::cmdExit_Click);
    connect(controls.nextItem, &QAction::triggered, this, &InputForm::mnuNext_Click);
    connect(controls.mnuExit, &QAction::triggered, this, &InputForm::mnuExit_Click);
}

void InputForm::Form_Load()
{
    placeAtTopCentre();
    if (m_settings.remindsUpdate && Shell::instance())
        Shell::instance()->UpdateReminder();
    fillLists();
}

void InputForm::fillLists()
{
    for (int day = 1; day <= 31; ++day)
        cboDate->addItem(QString::number(day));
    cboMonth->addItems(monthNames());
    for (int year = m_settings.firstYear; year <= m_settings.lastYear; ++year)
        cboYear->addItem(QString::number(year));
    cboDate->setCurrentIndex(0);
    cboMonth->setCurrentIndex(0);
    cboYear->setCurrentIndex(0);
}

void InputForm::Form_Unload()
{
    setStartPanelVisible(true);
}

void InputForm::keyPressEvent(QKeyEvent *event)
{
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
    if (!enter || modifiers != Qt::NoModifier) {
        ReadingForm::keyPressEvent(event);
        return;
    }
    auto *button = qobject_cast<QPushButton *>(focusWidget());
    if (!button)
        button = m_next;
    if (button && button->isVisible() && button->isEnabled())
        button->click();
}

void InputForm::cmdExit_Click()
{
    unload();
}

void InputForm::mnuExit_Click()
{
    cmdExit_Click();
}

void InputForm::mnuNext_Click()
{
    cmdNext_Click();
}

// The single name box takes letters (as capitals), space, Enter and Backspace only.
void InputForm::txtName_KeyPress(int &KeyAscii)
{
    if (isAsciiLetter(KeyAscii)) {
        KeyAscii = upperCasedKey(KeyAscii);
        return;
    }
    if (KeyAscii == ' ' || KeyAscii == '\r' || KeyAscii == '\b')
        return;
    showInformation(this, OnlyLettersMessage);
    KeyAscii = 0;
}

// The numerology name boxes only turn small letters into capitals; every other key passes.
void InputForm::txtFirstName_KeyPress(int &KeyAscii)
{
    KeyAscii = upperCasedKey(KeyAscii);
}

void InputForm::txtMiddleName_KeyPress(int &KeyAscii)
{
    KeyAscii = upperCasedKey(KeyAscii);
}

void InputForm::txtLastName_KeyPress(int &KeyAscii)
{
    KeyAscii = upperCasedKey(KeyAscii);
}

void InputForm::handOverTo(Form *display)
{
    hideForm();
    display->showForm();
    setStartPanelVisible(false);
}

bool InputForm::failEntry(const QString &message, QWidget *focus)
{
    showInformation(this, message);
    if (focus)
        focus->setFocus();
    return false;
}

bool InputForm::ValidateEntry()
{
    if (txtName) {
        if (txtName->text().isEmpty())
            return failEntry(QStringLiteral("Please Enter Your Name"), txtName);
    } else {
        if (txtFirstName->text().isEmpty())
            return failEntry(QStringLiteral("Please Enter Your First Name"), txtFirstName);
        if (txtLastName->text().isEmpty())
            return failEntry(QStringLiteral("Please Enter Your Last Name"), txtLastName);
        if (cboDate->currentText().isEmpty())
            return failEntry(QStringLiteral("Please Specify Your Birth Date"), cboDate);
        if (cboMonth->currentText().isEmpty())
            return failEntry(QStringLiteral("Please Specify Your Birth Month"), cboMonth);
        if (cboYear->currentText().isEmpty())
            return failEntry(QStringLiteral("Please Specify Your Birth Year"), cboYear);
    }

    switch (checkBirthDate(cboDate->currentIndex(), cboMonth->currentIndex(),
                           cboYear->currentText().toInt())) {
    case DateCheck::BadFebruaryDay:
        return failEntry(m_settings.februaryMessage,
                         m_settings.februaryFailureFocusesDay ? cboDate : nullptr);
    case DateCheck::BadThirtyFirst:
        return failEntry(m_settings.thirtyFirstMessage, nullptr);
    case DateCheck::Valid:
        break;
    }
    return true;
}

} // namespace Lumo
