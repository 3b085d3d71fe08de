#include "textboxes.h"

#include "desktop.h"
#include "documentprinting.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QTextEdit>

namespace Lumo {

namespace {

bool isCopyKey(const QKeyEvent *key)
{
    const bool ctrlInsert =
        key->key() == Qt::Key_Insert && key->modifiers().testFlag(Qt::ControlModifier);
    return ctrlInsert || key->matches(QKeySequence::Copy) || key->matches(QKeySequence::SelectAll);
}

// Qt's own text interaction is switched off: its mouse selection publishes the X11 primary
// selection and its Copy and Select All shortcuts work even in a read-only box. The selection is
// kept here instead, through setTextCursor, which never reaches the clipboard.
template <class Box> class CopyGuard : public QObject
{
public:
    explicit CopyGuard(Box *box) : QObject(box), m_box(box)
    {
        box->setTextInteractionFlags(Qt::NoTextInteraction);
        box->setContextMenuPolicy(Qt::NoContextMenu);
        box->setAcceptDrops(false);
        box->viewport()->setCursor(Qt::IBeamCursor);
        box->installEventFilter(this);
        box->viewport()->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        switch (event->type()) {
        case QEvent::ShortcutOverride:
        case QEvent::KeyPress:
            if (watched == m_box && isCopyKey(static_cast<QKeyEvent *>(event))) {
                event->accept();
                return true;
            }
            break;
        case QEvent::MouseButtonPress:
        case QEvent::MouseMove:
        case QEvent::MouseButtonDblClick:
            if (watched == m_box->viewport())
                select(event->type(), static_cast<QMouseEvent *>(event));
            break;
        default:
            break;
        }
        return false;
    }

private:
    void select(QEvent::Type type, const QMouseEvent *mouse)
    {
        if (!mouse->buttons().testFlag(Qt::LeftButton))
            return;
        QTextCursor cursor = m_box->cursorForPosition(mouse->position().toPoint());
        if (type == QEvent::MouseButtonPress) {
            m_anchor = cursor.position();
        } else if (type == QEvent::MouseMove) {
            const int position = cursor.position();
            cursor.setPosition(m_anchor);
            cursor.setPosition(position, QTextCursor::KeepAnchor);
        } else {
            cursor.select(QTextCursor::WordUnderCursor);
        }
        m_box->setTextCursor(cursor);
    }

    Box *m_box;
    int m_anchor = 0;
};

// A text box lays its text out when it is given the text, and again at every new width. A form
// is sized as it is shown, so a box not shown yet gets its text only then, laid out once.
const char *const PendingText = "lumoPendingText";

void putText(QPlainTextEdit *box, const QString &text)
{
    box->setPlainText(text);
    box->moveCursor(QTextCursor::Start);
}

class PendingTextOnShow : public QObject
{
public:
    using QObject::QObject;

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Show) {
            auto *box = static_cast<QPlainTextEdit *>(watched);
            box->removeEventFilter(this);
            putText(box, box->property(PendingText).toString());
            box->setProperty(PendingText, QVariant());
            deleteLater();
        }
        return false;
    }
};

} // namespace

void preventCopying(QPlainTextEdit *box)
{
    new CopyGuard<QPlainTextEdit>(box);
}

void preventCopying(QTextEdit *box)
{
    new CopyGuard<QTextEdit>(box);
}

int heightForLines(const QAbstractScrollArea *box, int lines)
{
    qreal documentMargin = 0;
    if (const auto *plain = qobject_cast<const QPlainTextEdit *>(box))
        documentMargin = plain->document()->documentMargin();
    else if (const auto *rich = qobject_cast<const QTextEdit *>(box))
        documentMargin = rich->document()->documentMargin();
    const QMargins margins = box->contentsMargins();
    return box->fontMetrics().lineSpacing() * lines + margins.top() + margins.bottom() +
           qCeil(2 * documentMargin);
}

void showReadingText(QPlainTextEdit *box, const QString &text)
{
    const QString shown = QString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    if (box->isVisible()) {
        putText(box, shown);
        return;
    }
    box->clear();
    if (!box->property(PendingText).isValid())
        box->installEventFilter(new PendingTextOnShow(box));
    box->setProperty(PendingText, shown);
}

void printReadingText(QPlainTextEdit *box)
{
    QPrinter printer;
    if (!Desktop::instance().choosePrinter(box->window(), printer,
                                           QAbstractPrintDialog::PrintToFile,
                                           QAbstractPrintDialog::AllPages))
        return;
    const QString failure = printDocument(*box->document(), printer);
    if (!failure.isEmpty())
        showCritical(box->window(),
                     printFailureMessage(QStringLiteral("reading"), printer, failure));
}

} // namespace Lumo
