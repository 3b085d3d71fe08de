#pragma once

#include "karmicprofile.h"

#include <QList>
#include <QString>

namespace Lumo {

// How many people the Karmic Profile remembers.
inline constexpr int RecentPeopleKept = 10;

// Where they are kept in the program's settings: an array of FirstName, MiddleName, LastName and
// BirthDate (ISO 8601) entries.
inline const QString RecentPeopleKey = QStringLiteral("Settings/RecentPeople");

// The people last shown, most recent first, at most RecentPeopleKept. An entry that is not a
// person the form could have shown (a name missing or holding control characters, a date that is
// not a calendar date from 1900 to 2100, a value of another type) is passed over, as is the same
// person a second time.
QList<Person> recentPeople();

// The list with the person first, the same person taken out further down, and no more than
// RecentPeopleKept people. A person whose name the list could not read back (holding control
// characters) is not put in.
QList<Person> withPersonFirst(QList<Person> people, const Person &person);

// Keeps the list in the settings in place of the one there.
void storeRecentPeople(const QList<Person> &people);

// Puts the person first in the list kept in the settings.
void rememberPerson(const Person &person);

// Empties the list.
void forgetRecentPeople();

} // namespace Lumo
