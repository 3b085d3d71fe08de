#pragma once

#include "common/names.h"

#include <QString>

namespace Lumo {

// The paragraph on Neptune in sign.
QString describeSpiritualSign(Zodiac::Sign sign);

// The same chosen by the exact, case-sensitive sign name; a null QString for any text that is no
// sign name.
QString spiritualDescription(const QString &sign);

} // namespace Lumo
