#pragma once

class QTextDocument;

namespace Lumo {

struct KarmicProfile;

// Writes the profile into the document, replacing what it held. At the top stand the person's
// full name (a heading of level 1) and date of birth; then come the five readings, each under a
// heading of level 2 named as its button on the main window, in the order of the buttons: the
// North and the South Node (each under a heading of level 3), the Karmic Debt Number, the Karmic
// Lesson Number, the Zodiac Soulmate Sign and the Zodiac Spiritual Sign. Each shows what the
// reading's own display form shows, paragraph by paragraph; a caption and its value (a sign,
// keywords) share a paragraph as "caption: value". The document is black on white, with the
// signs and keywords in the readings' red, for the screen and for paper alike.
void writeProfileDocument(const KarmicProfile &profile, QTextDocument &document);

} // namespace Lumo
