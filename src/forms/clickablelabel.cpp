#include "clickablelabel.h"

#include <QMouseEvent>

namespace Lumo {

ClickableLabel::ClickableLabel(QWidget *parent) : SizeCachingLabel(parent)
{
    setCursor(Qt::PointingHandCursor);
    setMouseTracking(true);
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
