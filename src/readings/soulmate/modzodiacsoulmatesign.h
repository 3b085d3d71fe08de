#pragma once

#include "common/names.h"

#include <QDate>
#include <QString>

#include <optional>

namespace Lumo {

// Juno's sign on a date from 1 January 1900 to 31 December 2100: the program's table's from 1930
// to 2012, the computed one at 00:00 UT outside those years. Nothing for any other date.
std::optional<Zodiac::Sign> junoSign(const QDate &date);

// The same as a sign name.
std::optional<QString> junoSignOn(const QDate &date);

// Juno's sign name on the date the three texts give, over the program's table (1930 to 2012).
// Nothing for a year text that is no whole number in that range or a month text that is not
// exactly a month name. A day text that is no whole number counts as day 0. The day is never
// checked against the month's length: a day past the month's end counts as later than its last
// day (30 February 1962 is "Taurus", like 1 March 1962).
std::optional<QString> junoSignOn(const QString &yearText, const QString &monthText,
                                  const QString &dayText);

} // namespace Lumo
