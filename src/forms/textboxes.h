#pragma once

class QAbstractScrollArea;
class QPlainTextEdit;
class QString;
class QTextEdit;

namespace Lumo {

// Empties the system clipboard whenever the box's text changes and at every press, move,
// release and click of the mouse over it, so reading texts cannot be copied out.
void clearClipboardOnUse(QPlainTextEdit *box);
void clearClipboardOnUse(QTextEdit *box);

// A long text box squeezed for room shows at least this many lines.
constexpr int SqueezedTextBoxLines = 4;

// The height of a text box that shows the given number of lines of its text.
int heightForLines(const QAbstractScrollArea *box, int lines);

// Shows a reading text built with CR LF line breaks, with the caret at its start.
void showReadingText(QPlainTextEdit *box, const QString &text);

// Asks for a printer and prints the box's whole text; cancelling prints nothing.
void printReadingText(QPlainTextEdit *box);

} // namespace Lumo
