#pragma once

#include "birthyears.h"
#include "names.h"

#include <QDate>

#include <algorithm>
#include <optional>
#include <span>
#include <tuple>

namespace Lumo {

// One row of a computed sign table: the body stands in sign from this day until the next row.
struct SignChange
{
    int year;
    int month;
    int day;
    Zodiac::Sign sign;

    constexpr auto firstDay() const { return std::tuple(year, month, day); }
};

// The sign of a valid date from 1900 to 2100 in a computed table: that of the last row on or
// before the date. Nothing for any other date or one before the first row.
inline std::optional<Zodiac::Sign> computedSignOn(std::span<const SignChange> changes,
                                                  const QDate &date)
{
    if (!date.isValid() || date.year() < FirstBirthYear || date.year() > LastBirthYear)
        return std::nullopt;
    const auto day = std::tuple(date.year(), date.month(), date.day());
    const auto next = std::upper_bound(
        changes.begin(), changes.end(), day,
        [](const auto &value, const SignChange &row) { return value < row.firstDay(); });
    if (next == changes.begin())
        return std::nullopt;
    return std::prev(next)->sign;
}

} // namespace Lumo
