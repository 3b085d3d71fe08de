#include "clickablelabel.h"

#include <QAccessibleWidget>
#include <QMouseEvent>
#include <QStyleOptionFocusRect>
#include <QStylePainter>
#include <QTextDocumentFragment>

namespace Lumo {

namespace {

// What a screen reader sees of a clickable label: a link (or, for a caption that opens a
// reading, a button) named by its text, with a press action.
class AccessibleClickableLabel : public QAccessibleWidget
{
public:
    explicit AccessibleClickableLabel(ClickableLabel *label)
        : QAccessibleWidget(label, QAccessible::Button)
    {
        addControllingSignal(QStringLiteral("clicked()"));
    }

    QAccessible::Role role() const override
    {
        return static_cast<const ClickableLabel *>(widget())->isWebLink() ? QAccessible::Link
                                                                          : QAccessible::Button;
    }

    QString text(QAccessible::Text t) const override
    {
        QString text = QAccessibleWidget::text(t);
        if (t == QAccessible::Name && text.isEmpty()) {
            const auto *label = static_cast<const QLabel *>(widget());
            text = label->textFormat() == Qt::PlainText
                       ? label->text()
                       : QTextDocumentFragment::fromHtml(label->text()).toPlainText();
        }
        return text;
    }

    QStringList actionNames() const override
    {
        return QStringList(pressAction()) + QAccessibleWidget::actionNames();
    }

    void doAction(const QString &actionName) override
    {
        if (actionName == pressAction())
            Q_EMIT static_cast<ClickableLabel *>(widget())->clicked();
        else
            QAccessibleWidget::doAction(actionName);
    }
};

QAccessibleInterface *accessibleClickableLabel(const QString &className, QObject *object)
{
    if (className == QLatin1String("Lumo::ClickableLabel") && object->isWidgetType())
        return new AccessibleClickableLabel(static_cast<ClickableLabel *>(object));
    return nullptr;
}

} // namespace

ClickableLabel::ClickableLabel(QWidget *parent) : SizeCachingLabel(parent)
{
    setCursor(Qt::PointingHandCursor);
    setMouseTracking(true);
    static const bool factoryInstalled = [] {
        QAccessible::installFactory(accessibleClickableLabel);
        return true;
    }();
    Q_UNUSED(factoryInstalled);
}

void ClickableLabel::makeWebLink(const QString &accessibleText)
{
    m_webLink = true;
    // Keyboard focus only: a mouse click leaves the label looking as it always did.
    setFocusPolicy(Qt::TabFocus);
    if (accessibleName().isEmpty() && (text().isEmpty() || !pixmap().isNull()))
        setAccessibleName(accessibleText);
    QWidget *lastInChain = window()->previousInFocusChain();
    if (lastInChain != this)
        QWidget::setTabOrder(lastInChain, this);
}

void ClickableLabel::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        if (focusPolicy() != Qt::NoFocus && !event->isAutoRepeat()) {
            event->accept();
            Q_EMIT clicked();
            return;
        }
        break;
    default:
        break;
    }
    QLabel::keyPressEvent(event);
}

void ClickableLabel::paintEvent(QPaintEvent *event)
{
    QLabel::paintEvent(event);
    if (!hasFocus())
        return;
    QStylePainter painter(this);
    QStyleOptionFocusRect option;
    option.initFrom(this);
    option.rect = contentsRect();
    option.backgroundColor = palette().color(backgroundRole());
    painter.drawPrimitive(QStyle::PE_FrameFocusRect, option);
}

void ClickableLabel::mousePressEvent(QMouseEvent *event)
{
    m_pressed = event->button() == Qt::LeftButton;
    event->accept();
}

void ClickableLabel::mouseReleaseEvent(QMouseEvent *event)
{
    const bool click = m_pressed && event->button() == Qt::LeftButton &&
                       rect().contains(event->position().toPoint());
    m_pressed = false;
    event->accept();
    if (click)
        Q_EMIT clicked();
}

void ClickableLabel::mouseMoveEvent(QMouseEvent *event)
{
    QLabel::mouseMoveEvent(event);
    // The move is the label's own: passed on, it would reach the panel under the label too.
    event->accept();
    Q_EMIT mouseMoved();
}

} // namespace Lumo
