#pragma once

#include <QDate>
#include <QString>

#include <optional>

namespace Lumo {

// Juno's sign on the date the three texts give, over the whole table (1930 to 2012).
// Nothing for a year text that is no whole number in that range or a month text that is not
// exactly a month name. A day text that is no whole number counts as day 0. The day is never
// checked against the month's length: a day past the month's end counts as later than its last
// day (30 February 1962 is "Taurus", like 1 March 1962).
std::optional<QString> junoSignOn(const QString &yearText, const QString &monthText,
                                  const QString &dayText);

// Juno's sign on a date from 1 January 1900 to 31 December 2100: the table's inside its days,
// the computed one at 00:00 UT outside them. Nothing for any other date.
std::optional<QString> junoSignOn(const QDate &date);

} // namespace Lumo
