#pragma once

#include <QColor>

class QWidget;

namespace Lumo {

// The colours the forms' design fixes, and the classic light colours of the desktop it was drawn
// on. Where the design fixes only a control's text or only its background, the other one is
// fixed too, to the classic colour, so the control stays readable under any system palette.
namespace FixedColour {
inline constexpr QColor Link(0x1a, 0x0d, 0xab);  // the vendor's links
inline constexpr QColor Sign(0xc0, 0x00, 0x00);  // the signs and keywords of a reading
inline constexpr QColor Strip(0xc0, 0xc0, 0xff); // the main window's banner and exit strips
inline constexpr QColor ClassicWindow(0xef, 0xef, 0xef);
inline constexpr QColor ClassicText(0x00, 0x00, 0x00);
inline constexpr QColor ClassicBase(0xff, 0xff, 0xff); // the background of text boxes
inline constexpr QColor ClassicLink(0x00, 0x00, 0xff); // links inside text boxes
} // namespace FixedColour

// The text drawn by a label (its window text) or a link button (its link colour) in every state of
// the window.
void setTextColour(QWidget *widget, const QColor &text);
// The widget fills its background with the colour.
void setBackgroundColour(QWidget *widget, const QColor &background);
// Both: a label that reads the same under any palette.
void setFixedColours(QWidget *widget, const QColor &text, const QColor &background);
// A frame whose labels have fixed text colours draws their background itself (the style paints
// its panel under them), so the frame takes the classic window and text colours as a whole.
void setClassicColours(QWidget *frame);

} // namespace Lumo
