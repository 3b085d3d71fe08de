#pragma once

namespace Lumo {

enum class DateCheck { Valid, BadFebruaryDay, BadThirtyFirst };

// Checks a date as the input forms hold it: day (0 to 30) and month (0 to 11) as list positions,
// the year as a number. A day past the end of February, or the 31st of a 30-day month, fails.
DateCheck checkBirthDate(int dayPosition, int monthPosition, int year);

} // namespace Lumo
