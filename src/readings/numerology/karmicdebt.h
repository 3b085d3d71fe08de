#pragma once

#include "readings/numerology/namenumbers.h"

#include <QString>

namespace Lumo {

// The karmic debt number among Destiny, SoulUrge, InnerDream and BirthDay, tested in that
// order: each of them equal to 13, 14, 16 or 19 replaces an earlier match, so the last
// match decides. 0 when none matches.
int karmicDebtNumber(const NameNumbers &numbers, int birthDay);

// The reading's first line: "Karmic Debt Number: " and the number.
QString karmicDebtHeadline(int debtNumber);

// What a karmic debt number signifies, shown under the first line.
const QString &karmicDebtExplanation();

// The description of a debt number; for 0 (or any other number) the line saying that no
// debt number applies.
QString karmicDebtDescription(int debtNumber);

// The whole text of the Karmic Debt Number reading, CR LF line breaks: the first line, the
// explanation and the description.
QString karmicDebtReading(int debtNumber);

} // namespace Lumo
