#pragma once

class QTextEdit;

namespace Lumo {

// Makes web addresses in a rich-text box clickable: addresses starting with "http://",
// "https://" or "www." are shown as links, and a press of the left mouse button on one opens it
// in the browser ("www." addresses as "http://"). The box still gets the press, so the caret
// moves as usual. Addresses longer than 1023 characters are shown but not opened.
//
// Every box has link clicks of its own, held by the box, so any number of boxes can have them at
// once and they end when the box is destroyed. A second call for a box whose link clicks are on
// is refused and returns false, as is a null box.
bool EnableLinkClicks(QTextEdit *box);

// Turns the box's link clicks off again: it stops showing and opening links. Does nothing when
// they are not on.
void DisableLinkClicks(QTextEdit *box);

} // namespace Lumo
