#include "inputform.h"

#include "common/names.h"
#include "datecheck.h"
#include "desktop.h"
#include "focusframe.h"
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

// The numbers from first to last, as the date lists show them.
QStringList numbers(int first, int last)
{
    QStringList texts;
    texts.reserve(qMax(0, last - first + 1));
    for (int number = first; number <= last; ++number)
        texts.append(QString::number(number));
    return texts;
}

// Return, or Enter on the keypad, with no other modifier.
bool isPlainEnter(const QKeyEvent *key)
{
    const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
    return enter && (key->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
}

void press(QPushButton *button)
{
    if (button && button->isVisible() && button->isEnabled())
        button->click();
}

} // namespace

InputForm::InputForm(const InputFormSettings &settings) : m_settings(settings) {}

void InputForm::connectInputControls(const InputControls &controls)
{
    m_controls = controls;
    if (QLineEdit *const *single = std::get_if<QLineEdit *>(&controls.name)) {
        KeyPressFilter::install(*single, [this](int &key) { txtName_KeyPress(key); });
        EditedTextFilter::install(*single, singleNameText,
                                  [this] { showInformation(this, OnlyLettersMessage); });
    } else {
        const NameBoxes &boxes = std::get<NameBoxes>(controls.name);
        for (QLineEdit *box : {boxes.txtFirstName, boxes.txtMiddleName, boxes.txtLastName}) {
            EditedTextFilter::install(box, numerologyNameText);
            // These boxes only turn small letters into capitals; every other key passes.
            KeyPressFilter::install(box, [](int &key) { key = upperCasedKey(key); });
        }
    }

    // Under some platform themes (GTK's) Return presses a list, opening it, and a group box
    // takes it: it reaches the form only through this filter.
    for (QWidget *field : fields())
        field->installEventFilter(this);
    drawFocusOfEveryControl(this);
    controls.cmdExit->setAccessibleDescription(ReadingExitDescription);

    connect(controls.cmdNext, &QPushButton::clicked, this, &InputForm::cmdNext_Click);
    connect(controls.cmdExit, &QPushButton::clicked, this, &InputForm::cmdExit_Click);
    connect(controls.nextItem, &QAction::triggered, this, &InputForm::cmdNext_Click);
    connect(controls.mnuExit, &QAction::triggered, this, &InputForm::cmdExit_Click);
}

void InputForm::Form_Load()
{
    placeAtTopCentre();
    if (m_settings.remindsUpdate)
        Q_EMIT updateReminderDue();
    fillLists();
}

void InputForm::fillLists()
{
    const InputControls &c = m_controls;
    // Each list is filled at once: one insertion of all its items costs a fraction of one per item.
    c.cboDate->addItems(numbers(1, 31));
    c.cboMonth->addItems(monthNames());
    c.cboYear->addItems(numbers(m_settings.firstYear, m_settings.lastYear));
    c.cboDate->setCurrentIndex(0);
    c.cboMonth->setCurrentIndex(0);
    c.cboYear->setCurrentIndex(0);
}

void InputForm::Form_Unload()
{
    if (m_display)
        m_display->unload();
}

QList<QWidget *> InputForm::fields() const
{
    const InputControls &c = m_controls;
    QList<QWidget *> fields = {c.cboDate, c.cboMonth, c.cboYear};
    if (QLineEdit *const *single = std::get_if<QLineEdit *>(&c.name))
        fields.append(*single);
    else
        fields.append({std::get<NameBoxes>(c.name).txtFirstName,
                       std::get<NameBoxes>(c.name).txtMiddleName,
                       std::get<NameBoxes>(c.name).txtLastName});
    return fields;
}

void InputForm::keyPressEvent(QKeyEvent *event)
{
    if (!isPlainEnter(event)) {
        ReadingForm::keyPressEvent(event);
        return;
    }
    auto *button = qobject_cast<QPushButton *>(focusWidget());
    press(button ? button : m_controls.cmdNext);
}

bool InputForm::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress && isPlainEnter(static_cast<QKeyEvent *>(event)) &&
        fields().contains(watched)) {
        press(m_controls.cmdNext);
        return true;
    }
    return ReadingForm::eventFilter(watched, event);
}

void InputForm::cmdExit_Click()
{
    unload();
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

void InputForm::handOverTo(DisplayForm *display)
{
    // The display form shows before this form hides, so that some form always shows.
    display->showForm();
    hideForm();
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
    const InputControls &c = m_controls;
    // A name of only spaces is no name at all: the reading would be one of nobody.
    const auto isBlank = [](const QLineEdit *box) { return box->text().trimmed().isEmpty(); };
    if (QLineEdit *const *single = std::get_if<QLineEdit *>(&c.name)) {
        if (isBlank(*single))
            return failEntry(QStringLiteral("Please Enter Your Name"), *single);
    } else {
        const NameBoxes &boxes = std::get<NameBoxes>(c.name);
        if (isBlank(boxes.txtFirstName))
            return failEntry(QStringLiteral("Please Enter Your First Name"), boxes.txtFirstName);
        if (isBlank(boxes.txtLastName))
            return failEntry(QStringLiteral("Please Enter Your Last Name"), boxes.txtLastName);
        if (c.cboDate->currentText().isEmpty())
            return failEntry(QStringLiteral("Please Specify Your Birth Date"), c.cboDate);
        if (c.cboMonth->currentText().isEmpty())
            return failEntry(QStringLiteral("Please Specify Your Birth Month"), c.cboMonth);
        if (c.cboYear->currentText().isEmpty())
            return failEntry(QStringLiteral("Please Specify Your Birth Year"), c.cboYear);
    }

    switch (checkBirthDate(c.cboDate->currentIndex(), c.cboMonth->currentIndex(),
                           c.cboYear->currentText().toInt())) {
    case DateCheck::BadFebruaryDay:
        return failEntry(m_settings.februaryMessage,
                         m_settings.februaryFailureFocusesDay ? c.cboDate : nullptr);
    case DateCheck::BadThirtyFirst:
        return failEntry(m_settings.thirtyFirstMessage, nullptr);
    case DateCheck::Valid:
        break;
    }
    return true;
}

} // namespace Lumo
