#pragma once

#include <QDate>

#include <swephexp.h>

#include <optional>

namespace Lumo::Testing {

// The sign (0 = Aries) of a body's geocentric tropical ecliptic longitude at 00:00 UT of a day,
// straight from the Swiss Ephemeris; nothing when it reports an error.
inline std::optional<int> sweSignOn(int planet, const QDate &date)
{
    static const bool pathSet = [] {
        swe_set_ephe_path(const_cast<char *>(LUMO_SWE_EPHE_PATH));
        return true;
    }();
    Q_UNUSED(pathSet);
    const double julianDay = swe_julday(date.year(), date.month(), date.day(), 0.0, SE_GREG_CAL);
    double position[6] = {};
    char error[AS_MAXCH] = {};
    const int flags = swe_calc_ut(julianDay, planet, SEFLG_SWIEPH, position, error);
    if (flags < 0 || (flags & SEFLG_SWIEPH) == 0)
        return std::nullopt;
    return int(position[0] / 30.0) % 12;
}

} // namespace Lumo::Testing
