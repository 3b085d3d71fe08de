#include "recentpeople.h"

#include "common/birthyears.h"

#include <QSettings>

#include <algorithm>
#include <optional>

namespace Lumo {

namespace {

const QString FirstNameKey = QStringLiteral("FirstName");
const QString MiddleNameKey = QStringLiteral("MiddleName");
const QString LastNameKey = QStringLiteral("LastName");
const QString BirthDateKey = QStringLiteral("BirthDate");

// As long as a name box takes.
constexpr qsizetype LongestName = 32767;

// A name the list keeps: one line of text no longer than a name box takes.
bool isKeptName(const QString &name)
{
    const bool control = std::any_of(name.cbegin(), name.cend(), [](QChar c) {
        return c.category() == QChar::Other_Control || c == QChar::LineSeparator ||
               c == QChar::ParagraphSeparator;
    });
    return !control && name.size() <= LongestName;
}

// A name as the settings hold it, trimmed; nothing when it is no name the list keeps.
std::optional<QString> storedName(const QVariant &value)
{
    if (value.typeId() != QMetaType::QString)
        return std::nullopt;
    const QString name = value.toString().trimmed();
    if (!isKeptName(name))
        return std::nullopt;
    return name.toUpper();
}

std::optional<Person> storedPerson(const QSettings &settings)
{
    const std::optional<QString> first = storedName(settings.value(FirstNameKey));
    const std::optional<QString> middle = storedName(settings.value(MiddleNameKey));
    const std::optional<QString> last = storedName(settings.value(LastNameKey));
    const QVariant dateValue = settings.value(BirthDateKey);
    const QDate date = dateValue.typeId() == QMetaType::QString
                           ? QDate::fromString(dateValue.toString(), Qt::ISODate)
                           : QDate();
    if (!first || !middle || !last || first->isEmpty() || last->isEmpty() || !date.isValid() ||
        date.year() < FirstBirthYear || date.year() > LastBirthYear)
        return std::nullopt;
    return Person{*first, *middle, *last, date};
}

} // namespace

QList<Person> recentPeople()
{
    QSettings settings;
    // Only the first entries can be people the list kept; a damaged size reads no further.
    const int size = std::min(settings.beginReadArray(RecentPeopleKey), RecentPeopleKept);
    QList<Person> people;
    for (int i = 0; i < size; ++i) {
        settings.setArrayIndex(i);
        const std::optional<Person> person = storedPerson(settings);
        if (person && !people.contains(*person))
            people.append(*person);
    }
    settings.endArray();
    return people;
}

QList<Person> withPersonFirst(QList<Person> people, const Person &person)
{
    // A name pasted with a line break or a tab in it is shown, but not kept: read back, the list
    // would take it for damage.
    if (!isKeptName(person.firstName) || !isKeptName(person.middleName) ||
        !isKeptName(person.lastName))
        return people;
    people.removeAll(person);
    people.prepend(person);
    return people.first(std::min<qsizetype>(people.size(), RecentPeopleKept));
}

void storeRecentPeople(const QList<Person> &people)
{
    QSettings settings;
    settings.remove(RecentPeopleKey);
    settings.beginWriteArray(RecentPeopleKey, int(people.size()));
    for (int i = 0; i < people.size(); ++i) {
        const Person &person = people.at(i);
        settings.setArrayIndex(i);
        settings.setValue(FirstNameKey, person.firstName);
        settings.setValue(MiddleNameKey, person.middleName);
        settings.setValue(LastNameKey, person.lastName);
        settings.setValue(BirthDateKey, person.birthDate.toString(Qt::ISODate));
    }
    settings.endArray();
}

void rememberPerson(const Person &person)
{
    storeRecentPeople(withPersonFirst(recentPeople(), person));
}

void forgetRecentPeople()
{
    QSettings().remove(RecentPeopleKey);
}

} // namespace Lumo
