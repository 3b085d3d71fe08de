#pragma once

class QAbstractScrollArea;
class QPlainTextEdit;
class QString;
class QTextEdit;

namespace Lumo {

// Keeps a read-only box's text inside the program without touching the system clipboard: the
// user can still scroll and select with the mouse, but Copy (Ctrl+C, Ctrl+Insert), Select All,
// the context menu and dragging do nothing, and a selection never becomes the X11 primary
// selection. What other programs put on the clipboard stays there.
void preventCopying(QPlainTextEdit *box);
void preventCopying(QTextEdit *box);

// A long text box squeezed for room shows at least this many lines.
constexpr int SqueezedTextBoxLines = 4;

// The height of a text box that shows the given number of lines of its text.
int heightForLines(const QAbstractScrollArea *box, int lines);

// Shows a reading text built with CR LF line breaks, with the caret at its start. A box that is
// not shown yet is left empty and gets the text as it is shown, once its form has its size.
void showReadingText(QPlainTextEdit *box, const QString &text);

// Asks for a printer and prints the box's whole text; cancelling prints nothing.
void printReadingText(QPlainTextEdit *box);

} // namespace Lumo
