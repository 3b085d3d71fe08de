#pragma once

#include <QChar>
#include <QString>
#include <QtGlobal>

namespace Lumo {

// Numerology value of a letter: 1..9 for the capitals "A".."Z" (A=1 ... I=9, J=1 ... R=9,
// S=1 ... Z=8), a capital with an accent or other mark counting as its base letter (É as E);
// 0 for every other character, lower-case letters included.
int letterValue(QChar c);

// First, middle and last name, each trimmed, joined without separator.
QString fullName(const QString &first, const QString &middle, const QString &last);

// The plain (unreduced) sums of the letter values of a full name. 64-bit so that no name
// length can overflow them.
struct NameNumbers
{
    qint64 destiny = 0;    // all letters
    qint64 soulUrge = 0;   // vowels A, E, I, O, U; Y only when the name has none of them
    qint64 innerDream = 0; // consonants, Y always included
};

NameNumbers nameNumbers(const QString &fullName);

// The day text of the birth date as a whole number; 0 if it is not a number.
int birthDayNumber(const QString &dayText);

} // namespace Lumo
