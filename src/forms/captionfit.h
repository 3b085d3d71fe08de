#pragma once

class QWidget;

namespace Lumo {

// Keeps a control placed by hand (outside any layout) at least as wide as its caption needs: a
// desktop font larger than the one the form was drawn for widens it around its centre, and it
// goes back to its drawn width when the font shrinks again. Where the caption fits, nothing moves.
void keepCaptionFitted(QWidget *control);

} // namespace Lumo
