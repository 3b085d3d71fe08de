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
            fit(static_cast<QWidget *>(watched));
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
        const int centre = control->x() + control->width() / 2;
        control->setGeometry(centre - wanted / 2, control->y(), wanted, control->height());
    }

    int m_drawnWidth;
};

} // namespace

void keepCaptionFitted(QWidget *control)
{
    new CaptionFit(control);
}

} // namespace Lumo
