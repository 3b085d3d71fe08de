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
    const auto *key = static_cast<QKeyEvent *>(event);
    // A shortcut such as Ctrl+V types nothing, even where the event carries its letter. AltGr
    // comes as Ctrl+Alt on some systems and does type.
    const Qt::KeyboardModifiers modifiers = key->modifiers();
    if (modifiers & (Qt::ControlModifier | Qt::MetaModifier) && !(modifiers & Qt::AltModifier))
        return false;
    const QString typed = key->text();
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

EditedTextFilter::EditedTextFilter(QLineEdit *box, Rule rule, Refusal refused)
    : QObject(box), m_box(box), m_rule(std::move(rule)), m_refused(std::move(refused)),
      m_acceptedText(box->text())
{
    // textEdited comes before textChanged, so m_acceptedText still holds the text before an
    // edit when textEdited runs. The box's text is read rather than the signal's argument:
    // after a refusal, textChanged still reports the refused text.
    connect(box, &QLineEdit::textEdited, this, &EditedTextFilter::textEdited);
    connect(box, &QLineEdit::textChanged, this, [this] { m_acceptedText = m_box->text(); });
}

void EditedTextFilter::install(QLineEdit *box, Rule rule, Refusal refused)
{
    new EditedTextFilter(box, std::move(rule), std::move(refused));
}

void EditedTextFilter::textEdited()
{
    const QString edited = m_box->text();
    const std::optional<QString> wanted = m_rule(edited);
    if (wanted == edited)
        return;
    if (!wanted) {
        // The caret goes back to where the refused edit began.
        const QString previous = m_acceptedText;
        qsizetype start = 0;
        while (start < previous.size() && start < edited.size() && previous[start] == edited[start])
            ++start;
        m_box->setText(previous);
        m_box->setCursorPosition(int(start));
        if (m_refused)
            m_refused();
        return;
    }
    const int caret = m_box->cursorPosition() + int(wanted->size() - edited.size());
    m_box->setText(*wanted);
    m_box->setCursorPosition(caret);
}

} // namespace Lumo
