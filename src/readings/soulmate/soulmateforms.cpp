#include "soulmateforms.h"

#include "common/birthyears.h"
#include "modzodiacsoulmatesign.h"
#include "soulmatetexts.h"

namespace Lumo {

const SignReading ZodiacSoulmateSign{
    .names = {.input = QStringLiteral("frmZodiacSoulmateSignMain"),
              .display = QStringLiteral("frmZodiacSoulmateSignDisplay"),
              .findItem = QStringLiteral("mnuFindSoulmateSign"),
              .frame = QStringLiteral("fraSoulmateSign"),
              .knownAs = QStringLiteral("Label2"),
              .placedIn = QStringLiteral("Label12"),
              .sign = QStringLiteral("lblSoulmateSign")},
    .captions = {.title = QStringLiteral("Lumo Zodiac Soulmate Sign"),
                 .intro = QStringLiteral(
                     "Lumo Zodiac Soulmate Sign describes your characteristics based on the "
                     "placement of Juno in your birth chart. Juno is an asteroid which is "
                     "considered to be responsible for your long lasting relationships, romantic "
                     "as well as business. This sign helps identify yourself and the kind of "
                     "partner who would best suit you in a relationship"),
                 .find = QStringLiteral("Find My Zodiac &Soulmate Sign"),
                 .frame = QStringLiteral("Zodiac Soulmate Sign"),
                 .knownAs = QStringLiteral("Juno is known as the Soulmate Asteroid"),
                 .placedIn = QStringLiteral("Juno in your Chart is Placed in")},
    .firstYear = FirstBirthYear,
    .lastYear = LastBirthYear,
    .findSign = junoSign,
    .describe = describeSoulmateSign};

} // namespace Lumo
