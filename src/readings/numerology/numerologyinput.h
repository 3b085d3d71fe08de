#pragma once

#include "forms/inputform.h"

namespace Lumo {

// The two numerology input forms take the same years and give the same messages.
inline InputFormSettings numerologyInputSettings()
{
    return {.firstYear = 1900, .lastYear = 2050, .remindsUpdate = true};
}

} // namespace Lumo
