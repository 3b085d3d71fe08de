#pragma once

#include "common/names.h"

#include <QString>

namespace Lumo {

// The description of the partner who suits Juno in sign.
QString describeSoulmateSign(Zodiac::Sign sign);

// The same chosen by the exact, case-sensitive sign name; a null QString for any text that is no
// sign name.
QString soulmateDescription(const QString &sign);

} // namespace Lumo
