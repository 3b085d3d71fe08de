#include "screenplacement.h"

#include <QWidget>
#include <QWindow>

namespace Lumo {

QMargins windowFrameMargins(QWidget *window)
{
    window->winId();
    const QWindow *handle = window->windowHandle();
    return handle ? handle->frameMargins() : QMargins();
}

void placeOnScreen(QWidget *window, const QRect &available, QSize size, VerticalPlacement vertical)
{
    const QMargins frame = windowFrameMargins(window);
    size = size.boundedTo(available.size().shrunkBy(frame)).expandedTo(window->minimumSize());
    const QSize outer = size.grownBy(frame);
    const int left = available.left() + (available.width() - outer.width()) / 2;
    const int top = vertical == VerticalPlacement::Centred
                        ? available.top() + (available.height() - outer.height()) / 2
                        : available.top();
    window->resize(size);
    // The position of a top-level window is that of its frame.
    window->move(qMax(available.left(), left), qMax(available.top(), top));
}

} // namespace Lumo
