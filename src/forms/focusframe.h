#pragma once

class QWidget;

namespace Lumo {

// Qt's styles draw no keyboard focus for two kinds of control: a text box that shows no text
// cursor (its text interaction switched off) and the default button, which looks the same
// whether or not it has the focus. Such a control of the window shows a ring in the highlight
// colour along its edge while it has the focus, once the keyboard has moved the focus in the
// window, which is when the styles draw the focus of the other controls. Call after setupUi.
void drawFocusOfEveryControl(QWidget *window);

} // namespace Lumo
