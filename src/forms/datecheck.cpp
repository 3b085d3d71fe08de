#include "datecheck.h"

namespace Lumo {

bool isLeapYear(int year)
{
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

DateCheck checkBirthDate(int dayPosition, int monthPosition, int year)
{
    constexpr int February = 1;
    if (monthPosition == February) {
        const int lastDayPosition = isLeapYear(year) ? 28 : 27;
        return dayPosition > lastDayPosition ? DateCheck::BadFebruaryDay : DateCheck::Valid;
    }
    constexpr int April = 3, June = 5, September = 8, November = 10;
    const bool thirtyDayMonth = monthPosition == April || monthPosition == June ||
                                monthPosition == September || monthPosition == November;
    if (thirtyDayMonth && dayPosition == 30)
        return DateCheck::BadThirtyFirst;
    return DateCheck::Valid;
}

} // namespace Lumo
