#pragma once

class QPlainTextEdit;
class QTextEdit;

namespace Lumo {

// Empties the system clipboard whenever the box's text changes and at every press, move,
// release and click of the mouse over it, so reading texts cannot be copied out.
void clearClipboardOnUse(QPlainTextEdit *box);
void clearClipboardOnUse(QTextEdit *box);

} // namespace Lumo
