#pragma once

#include <QString>

namespace Lumo {

// The paragraph on Neptune in sign, chosen by the exact, case-sensitive sign name; a null QString
// for any text that is no sign name, so the caller can leave its caption as it was.
QString spiritualDescription(const QString &sign);

} // namespace Lumo
