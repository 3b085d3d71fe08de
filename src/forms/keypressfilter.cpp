#include "keypressfilter.h"

#include <QKeyEvent>
#include <QLineEdit>

namespace Lumo {

KeyPressFilter::KeyPressFilter(QLineEdit *box, Handler handler)
    : QObject(box), m_box(box), m_handler(std::move(handler))
{
}

void KeyPressFilter::install(QLineEdit *box, Handler handler)
{
    box->installEventFilter(new KeyPressFilter(box, std::move(handler)));
}

bool KeyPressFilter::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != m_box || event->type() != QEvent::KeyPress)
        return false;
    const QString typed = static_cast<QKeyEvent *>(event)->text();
    if (typed.isEmpty())
        return false;
    for (const QChar c : typed) {
        if (!c.isPrint())
            return false;
    }

    QString accepted;
    for (const QChar c : typed) {
        int code = c.unicode();
        m_handler(code);
        if (code != 0)
            accepted.append(QChar(code));
    }
    if (accepted == typed)
        return false;
    if (!accepted.isEmpty())
        m_box->insert(accepted);
    return true;
}

} // namespace Lumo
