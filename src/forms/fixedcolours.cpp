#include "fixedcolours.h"

#include <QWidget>

namespace Lumo {

namespace {
// A palette that changes one role in every colour group and leaves the others to follow the
// parent's and the application's palette.
void setRole(QWidget *widget, QPalette::ColorRole role, const QColor &colour)
{
    QPalette palette = widget->palette();
    palette.setColor(role, colour);
    widget->setPalette(palette);
}
} // namespace

void setTextColour(QWidget *widget, const QColor &text)
{
    setRole(widget, QPalette::WindowText, text);
    setRole(widget, QPalette::Link, text);
}

void setBackgroundColour(QWidget *widget, const QColor &background)
{
    setRole(widget, QPalette::Window, background);
    widget->setAutoFillBackground(true);
}

void setFixedColours(QWidget *widget, const QColor &text, const QColor &background)
{
    setTextColour(widget, text);
    setBackgroundColour(widget, background);
}

void setClassicColours(QWidget *frame)
{
    setFixedColours(frame, FixedColour::ClassicText, FixedColour::ClassicWindow);
}

} // namespace Lumo
