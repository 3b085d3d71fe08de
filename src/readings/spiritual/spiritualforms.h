#pragma once

#include "forms/signforms.h"

namespace Lumo {

// The Zodiac Spiritual Sign reading's forms: Neptune's sign and its description.
extern const SignReading ZodiacSpiritualSign;

} // namespace Lumo
