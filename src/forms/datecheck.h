#pragma once

namespace Lumo {

enum class DateCheck { Valid, BadFebruaryDay, BadThirtyFirst };

bool isLeapYear(int year);

// Checks a date as the input forms hold it: day and month as 0-based list positions, the year
// as a number. Rejects days past the end of February and the 31st of a 30-day month.
DateCheck checkBirthDate(int dayPosition, int monthPosition, int year);

} // namespace Lumo
