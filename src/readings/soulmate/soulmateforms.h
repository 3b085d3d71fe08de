#pragma once

#include "forms/signforms.h"

namespace Lumo {

// The Zodiac Soulmate Sign reading's forms: Juno's sign and its description.
extern const SignReading ZodiacSoulmateSign;

} // namespace Lumo
