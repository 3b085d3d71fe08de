#pragma once

#include <QObject>

#include <QString>

#include <functional>
#include <optional>

class QLineEdit;

namespace Lumo {

// Passes every typed printable character of a line edit through a handler that receives its
// code and may change it, or set it to 0 to discard the key. Keys that type no printable
// character (Backspace, Enter, Tab, arrows, shortcuts) reach the line edit untouched.
class KeyPressFilter : public QObject
{
public:
    using Handler = std::function<void(int &keyAscii)>;

    static void install(QLineEdit *box, Handler handler);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    KeyPressFilter(QLineEdit *box, Handler handler);

    QLineEdit *m_box;
    Handler m_handler;
};

// Holds text that reaches a line edit by any route other than a typed key (pasted, dropped,
// committed by an input method) to the same rule as typing. The rule gets the box's whole new text
// and returns it as it should stand, or nothing to refuse it: then the box goes back to the text
// it had before the edit and the refusal handler runs once.
// Not a QValidator: a validator also rewrites and judges text the program sets (a name read from
// a saved file), and QLineEdit reports its refusals through inputRejected, which also fires for
// such text and for the length limit, so the message would appear where no one typed.
class EditedTextFilter : public QObject
{
public:
    using Rule = std::function<std::optional<QString>(const QString &text)>;
    using Refusal = std::function<void()>;

    static void install(QLineEdit *box, Rule rule, Refusal refused = {});

private:
    EditedTextFilter(QLineEdit *box, Rule rule, Refusal refused);
    void textEdited();

    QLineEdit *m_box;
    Rule m_rule;
    Refusal m_refused;
    QString m_acceptedText;
};

// Key rules of the name boxes.
inline bool isAsciiLetter(int code)
{
    return (code >= 'A' && code <= 'Z') || (code >= 'a' && code <= 'z');
}

inline int upperCasedKey(int code)
{
    return code >= 'a' && code <= 'z' ? code - 32 : code;
}

} // namespace Lumo
