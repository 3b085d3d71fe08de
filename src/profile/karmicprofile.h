#pragma once

#include "common/names.h"
#include "readings/astrology/nodereading.h"

#include <QDate>
#include <QList>
#include <QString>

#include <optional>

namespace Lumo {

// Who a Karmic Profile is for: the names as the three name boxes hold them, trimmed, and the date
// of birth.
struct Person
{
    QString firstName;
    QString middleName;
    QString lastName;
    QDate birthDate;

    // The names joined by single spaces, without an empty middle name: "ANN MARIE LEE".
    QString fullName() const;

    bool operator==(const Person &) const = default;
};

// A date of birth as the profile writes it: "May 5, 1960".
QString birthDateText(const QDate &date);

// "ANN MARIE LEE (May 5, 1960)", as the list of recent people offers a person.
QString personText(const Person &person);

// The profile's title, and the title of its PDF: "Karmic Profile of ANN MARIE LEE".
QString profileTitle(const Person &person);

// The five readings of one person, each computed once with the reading's own functions, from the
// name and the date as that reading's input form takes them.
struct KarmicProfile
{
    Person person;
    NodeReadingData nodes;                     // Karmic Astrology: the North and the South Node
    int debtNumber = 0;                        // Karmic Debt Number; 0 when none applies
    QList<int> lessonDigits;                   // Karmic Lesson Numbers
    std::optional<Zodiac::Sign> soulmateSign;  // Juno's sign
    std::optional<Zodiac::Sign> spiritualSign; // Neptune's sign
};

KarmicProfile karmicProfile(const Person &person);

} // namespace Lumo
