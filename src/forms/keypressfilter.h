#pragma once

#include <QObject>

#include <functional>

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
