#pragma once

#include <QMargins>
#include <QRect>

class QWidget;

namespace Lumo {

// The frame the platform draws around a top-level window, where it knows it before the window
// is shown (otherwise none). Creates the window's platform window.
QMargins windowFrameMargins(QWidget *window);

enum class VerticalPlacement { Centred, Top };

// Sizes and moves a top-level window so that its frame lies wholly on the available area: the
// size asked for, made smaller where the area is smaller but never below the window's minimum
// size, centred horizontally, and centred vertically or at the top. A window larger than the
// area keeps its top-left corner, and so its title bar, on the area.
void placeOnScreen(QWidget *window, const QRect &available, QSize size, VerticalPlacement vertical);

} // namespace Lumo
