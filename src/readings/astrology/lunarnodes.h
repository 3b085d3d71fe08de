#pragma once

#include "common/names.h"

#include <QDate>
#include <QString>

#include <optional>

namespace Lumo {

// The North Node's sign on a date from 1 January 1900 to 31 December 2100: the program's table's
// from 1940 to 2009, the computed true node's outside those years. Nothing for any other date.
std::optional<Zodiac::Sign> northNodeSign(const QDate &date);

// The same as the reading spells it ("Aquarious"); the empty text for any other date.
QString northNodeOn(const QDate &date);

// North Node sign value of a birth date from 1 January 1940 to 31 December 2009, as the reading
// spells it. The month and the day are 1-based and compared as plain numbers, after the year, so
// numbers that make no calendar date still find a period. Any date outside the table gives the
// empty text.
QString FindNorthNode(int year, int month, int day);

} // namespace Lumo
