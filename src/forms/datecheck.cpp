#include "datecheck.h"

#include <QDate>

namespace Lumo {

DateCheck checkBirthDate(int dayPosition, int monthPosition, int year)
{
    if (QDate(year, monthPosition + 1, dayPosition + 1).isValid())
        return DateCheck::Valid;
    constexpr int February = 1;
    return monthPosition == February ? DateCheck::BadFebruaryDay : DateCheck::BadThirtyFirst;
}

} // namespace Lumo
