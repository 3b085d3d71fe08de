#include "textboxes.h"

#include "desktop.h"

#include <QClipboard>
#include <QEvent>
#include <QGuiApplication>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QTextEdit>

namespace Lumo {

namespace {

void clearClipboard()
{
    QGuiApplication::clipboard()->clear();
}

class MouseClipboardClearer : public QObject
{
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::MouseMove:
            clearClipboard();
            break;
        default:
            break;
        }
        return false;
    }
};

template <class Box> void watch(Box *box)
{
    box->viewport()->setMouseTracking(true);
    box->viewport()->installEventFilter(new MouseClipboardClearer(box));
    QObject::connect(box, &Box::textChanged, box, &clearClipboard);
}

} // namespace

void clearClipboardOnUse(QPlainTextEdit *box)
{
    watch(box);
}

void clearClipboardOnUse(QTextEdit *box)
{
    watch(box);
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
    box->setPlainText(QString(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    box->moveCursor(QTextCursor::Start);
}

void printReadingText(QPlainTextEdit *box)
{
    QPrinter printer;
    if (Desktop::instance().choosePrinter(box->window(), printer, QAbstractPrintDialog::PrintToFile,
                                          QAbstractPrintDialog::AllPages))
        box->print(&printer);
}

} // namespace Lumo
