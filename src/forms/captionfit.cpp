#include "captionfit.h"

#include <QEvent>
#include <QWidget>

namespace Lumo {

namespace {

class CaptionFit : public QObject
{
public:
    explicit CaptionFit(QWidget *control) : QObject(control), m_drawnWidth(control->width())
    {
        control->installEventFilter(this);
        fit(control);
    }

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        switch (event->type()) {
        case QEvent::FontChange:
        case QEvent::StyleChange:
        case QEvent::Polish:
            // After the control itself has seen the change, which renews its measurements.
            QMetaObject::invokeMethod(
                this, [this, control = static_cast<QWidget *>(watched)] { fit(control); },
                Qt::QueuedConnection);
            break;
        default:
            break;
        }
        return QObject::eventFilter(watched, event);
    }

private:
    void fit(QWidget *control) const
    {
        const int wanted = qMax(m_drawnWidth, control->sizeHint().width());
        if (wanted == control->width())
            return;
        // Half the change on each side, rounded the same way growing as shrinking, so that going
        // back to the drawn width puts the control back where it was drawn.
        const int change = wanted - control->width();
        control->setGeometry(control->x() - change / 2, control->y(), wanted, control->height());
    }

    int m_drawnWidth;
};

} // namespace

void keepCaptionFitted(QWidget *control)
{
    new CaptionFit(control);
}

} // namespace Lumo
