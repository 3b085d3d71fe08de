#include "karmicprofile.h"

#include "readings/numerology/karmicdebt.h"
#include "readings/numerology/karmiclessons.h"
#include "readings/numerology/namenumbers.h"
#include "readings/soulmate/modzodiacsoulmatesign.h"
#include "readings/spiritual/modzodiacspiritualsign.h"

namespace Lumo {

QString Person::fullName() const
{
    QStringList names{firstName.trimmed(), middleName.trimmed(), lastName.trimmed()};
    names.removeAll(QString());
    return names.join(u' ');
}

QString birthDateText(const QDate &date)
{
    if (!date.isValid())
        return QString();
    return QStringLiteral("%1 %2, %3")
        .arg(monthNames().at(date.month() - 1))
        .arg(date.day())
        .arg(date.year());
}

QString personText(const Person &person)
{
    return QStringLiteral("%1 (%2)").arg(person.fullName(), birthDateText(person.birthDate));
}

QString profileTitle(const Person &person)
{
    return QStringLiteral("Karmic Profile of ") + person.fullName();
}

KarmicProfile karmicProfile(const Person &person)
{
    const QDate &date = person.birthDate;
    // The numerology readings take the names joined without spaces, the Karmic Astrology reading
    // one name.
    const QString numerologyName = fullName(person.firstName, person.middleName, person.lastName);
    KarmicProfile profile;
    profile.person = person;
    if (date.isValid())
        profile.nodes = karmicAstrologyReading(person.fullName(), date.day(),
                                               monthNames().at(date.month() - 1), date.year());
    profile.debtNumber = karmicDebtNumber(nameNumbers(numerologyName), date.day());
    profile.lessonDigits = missingLessonDigits(numerologyName);
    profile.soulmateSign = junoSign(date);
    profile.spiritualSign = neptuneSign(date);
    return profile;
}

} // namespace Lumo
