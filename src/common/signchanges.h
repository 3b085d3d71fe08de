#pragma once

#include "birthyears.h"
#include "names.h"

#include <QDate>

#include <algorithm>
#include <optional>
#include <span>
#include <tuple>

namespace Lumo {

// A day as year, month and day numbers, compared in that order. A caller that holds typed texts
// may pass numbers that make no calendar date (day 0, day 31 of April); they still compare.
using DayNumbers = std::tuple<int, int, int>;

// One row of a sign table: the body stands in sign from this day until the day before the next
// row's day. Every sign table of the program is a list of these rows in date order: the North
// Node, Juno and Neptune tables, and the computed tables outside them.
struct SignChange
{
    int year;
    int month;
    int day;
    Zodiac::Sign sign;

    constexpr DayNumbers firstDay() const { return {year, month, day}; }
};

// The sign of the last row on or before the day; nothing for a day before the first row.
constexpr std::optional<Zodiac::Sign> signOn(std::span<const SignChange> changes, DayNumbers day)
{
    const auto next = std::upper_bound(
        changes.begin(), changes.end(), day,
        [](const DayNumbers &value, const SignChange &row) { return value < row.firstDay(); });
    if (next == changes.begin())
        return std::nullopt;
    return std::prev(next)->sign;
}

// True when each row starts after the one before it, as the lookups need.
constexpr bool isInDateOrder(std::span<const SignChange> changes)
{
    return std::adjacent_find(changes.begin(), changes.end(),
                              [](const SignChange &a, const SignChange &b) {
                                  return !(a.firstDay() < b.firstDay());
                              }) == changes.end();
}

// A body's signs over the years of birth: the program's own table over its days (from its first
// row to lastDay) and, for every other day from 1900 to 2100, the table computed from the
// ephemeris.
struct SignTables
{
    std::span<const SignChange> table;
    DayNumbers lastDay;
    std::span<const SignChange> computed;

    constexpr bool covers(DayNumbers day) const
    {
        return !table.empty() && table.front().firstDay() <= day && day <= lastDay;
    }
};

// The sign of a valid date from 1 January 1900 to 31 December 2100: the program's table's inside
// its days, the computed one outside them. Nothing for any other date.
inline std::optional<Zodiac::Sign> signOn(const SignTables &tables, const QDate &date)
{
    if (!date.isValid() || date.year() < FirstBirthYear || date.year() > LastBirthYear)
        return std::nullopt;
    const DayNumbers day{date.year(), date.month(), date.day()};
    return signOn(tables.covers(day) ? tables.table : tables.computed, day);
}

} // namespace Lumo
