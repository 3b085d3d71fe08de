#pragma once

#include <QDate>
#include <QString>

namespace Lumo {

// North Node sign value of a birth date from 1 January 1940 to 31 December 2009. The month and
// the day are 1-based and compared as plain numbers, after the year. The value for Aquarius is
// spelt "Aquarious", as the reading shows it. Any date outside the table gives the empty text.
QString FindNorthNode(int year, int month, int day);

// North Node sign value of a date from 1 January 1900 to 31 December 2100: the table's inside its
// days, the computed true node's outside them, spelt as the table spells it. The empty text for
// any other date.
QString northNodeOn(const QDate &date);

} // namespace Lumo
