#pragma once

namespace Lumo {

// The years of birth the three date readings (Karmic Astrology, Zodiac Soulmate Sign, Zodiac
// Spiritual Sign) offer, and that a saved Karmic Astrology reading may hold.
constexpr int FirstBirthYear = 1900;
constexpr int LastBirthYear = 2100;

} // namespace Lumo
