#include "focusframe.h"

#include <QEvent>
#include <QFocusFrame>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QTextEdit>

namespace Lumo {

namespace {

// The ring is as thick as the focus frame the styles draw around a focused text field.
constexpr int RingWidth = 2;

bool showsACursor(Qt::TextInteractionFlags flags)
{
    return flags & (Qt::TextEditable | Qt::TextSelectableByKeyboard);
}

// Whether the style leaves the control looking as it does without the focus. Asked as the focus
// comes in, before a button that becomes the default on taking the focus has done so.
bool styleDrawsNoFocus(const QWidget *control)
{
    if (const auto *button = qobject_cast<const QPushButton *>(control))
        return button->isDefault();
    if (const auto *box = qobject_cast<const QPlainTextEdit *>(control))
        return !showsACursor(box->textInteractionFlags());
    if (const auto *box = qobject_cast<const QTextEdit *>(control))
        return !showsACursor(box->textInteractionFlags());
    return false;
}

// A ring in the highlight colour along the inside edge of a control, drawn over it. It is drawn
// inside, not around the control as QFocusFrame draws, because a ring around a control at the
// edge of a scroll area would be cut off; it is a QFocusFrame so that the mouse goes through it
// and screen readers pass over it.
class FocusRing : public QFocusFrame
{
public:
    void surround(QWidget *control)
    {
        if (parentWidget() != control)
            setParent(control);
        fit();
        raise();
        show();
    }

    void fit() { setGeometry(parentWidget()->rect()); }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(QPen(parentWidget()->palette().color(QPalette::Highlight), RingWidth));
        const qreal inset = RingWidth / 2.0;
        painter.drawRoundedRect(QRectF(rect()).adjusted(inset, inset, -inset, -inset), RingWidth,
                                RingWidth);
    }
};

// Watches the window's buttons and text boxes and shows its one ring in the control that has the
// focus, where the style draws none.
class FocusRingKeeper : public QObject
{
public:
    explicit FocusRingKeeper(QWidget *window) : QObject(window) {}

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        auto *control = static_cast<QWidget *>(watched);
        const bool ringInControl = m_ring && m_ring->parentWidget() == control;
        switch (event->type()) {
        case QEvent::FocusIn:
            if (styleDrawsNoFocus(control) &&
                control->window()->testAttribute(Qt::WA_KeyboardFocusChange))
                ring()->surround(control);
            break;
        case QEvent::FocusOut:
            if (ringInControl)
                m_ring->hide();
            break;
        case QEvent::Resize:
            if (ringInControl)
                m_ring->fit();
            break;
        default:
            break;
        }
        return false;
    }

private:
    FocusRing *ring()
    {
        if (!m_ring)
            m_ring = new FocusRing;
        return m_ring;
    }

    // Goes with the control it was last in, should that control go first.
    QPointer<FocusRing> m_ring;
};

} // namespace

void drawFocusOfEveryControl(QWidget *window)
{
    auto *keeper = new FocusRingKeeper(window);
    for (QWidget *control : window->findChildren<QWidget *>()) {
        if (qobject_cast<QPushButton *>(control) || qobject_cast<QPlainTextEdit *>(control) ||
            qobject_cast<QTextEdit *>(control))
            control->installEventFilter(keeper);
    }
}

} // namespace Lumo
