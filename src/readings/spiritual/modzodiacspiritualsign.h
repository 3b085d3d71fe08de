#pragma once

#include "common/names.h"

#include <QDate>
#include <QString>

#include <optional>

namespace Lumo {

// Neptune's sign on a date from 1 January 1900 to 31 December 2100: the program's table's from
// 1900 to 2024, the computed one at 00:00 UT after those years. Nothing for any other date.
std::optional<Zodiac::Sign> neptuneSign(const QDate &date);

// The same as a sign name.
std::optional<QString> neptuneSignOn(const QDate &date);

// Neptune's sign name on the date the three texts give (1900 to 2024). Nothing for a year text
// that is no whole number in that range. A year in which the sign does not change gives its sign
// without looking at the month or day text. In a year with a change, a month text that is not
// exactly a month name gives nothing; a day text that is no whole number counts as day 0, and
// the day is never checked against the month's length.
std::optional<QString> neptuneSignOn(const QString &yearText, const QString &monthText,
                                     const QString &dayText);

} // namespace Lumo
