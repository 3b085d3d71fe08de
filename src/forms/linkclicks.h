#pragma once

class QTextEdit;
class QWidget;

namespace Lumo {

// Makes web addresses in a rich-text box clickable: addresses starting with "http://",
// "https://" or "www." are shown as links, and a press of the left mouse button on one opens it
// in the browser ("www." addresses as "http://"). The box still gets the press, so the caret
// moves as usual. Addresses longer than 1023 characters are shown but not opened.
//
// There is one such state for the whole program, so one box at a time: a second call before
// DisableLinkClicks is refused and returns false, as is a null box. The owner is the window the
// box belongs to; link clicks end by themselves when the owner or the box is destroyed.
bool EnableLinkClicks(QTextEdit *box, QWidget *owner);

// Turns link clicks off again: the box stops showing and opening links. Does nothing when they
// are not on.
void DisableLinkClicks();

} // namespace Lumo
