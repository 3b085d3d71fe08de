#include "spiritualforms.h"

#include "common/birthyears.h"
#include "modzodiacspiritualsign.h"
#include "spiritualtexts.h"

namespace Lumo {

const SignReading ZodiacSpiritualSign{
    .names = {.input = QStringLiteral("frmZodiacSpiritualSignMain"),
              .display = QStringLiteral("frmZodiacSpiritualSignDisplay"),
              .findItem = QStringLiteral("mnuFindMySpritualSgn"),
              .frame = QStringLiteral("fraSpritualSign"),
              .knownAs = QStringLiteral("Label17"),
              .placedIn = QStringLiteral("Label16"),
              .sign = QStringLiteral("lblSpritualSign")},
    .captions = {.title = QStringLiteral("Lumo Zodiac Spiritual Sign"),
                 .intro = QStringLiteral(
                     "Lumo Zodiac Spiritual Sign describes your characteristics based on the "
                     "placement of Neptune in your birth chart. Neptune is a modern planet which "
                     "is considered to be the planet of Spirituality. This sign describes about "
                     "your intuition, imagination and spiritual conquests in life."),
                 .find = QStringLiteral("Find My Zodiac &Spiritual Sign"),
                 .frame = QStringLiteral("Zodiac Spiritual Sign"),
                 .knownAs = QStringLiteral("Neptune is known as the Planet of Spirituality"),
                 .placedIn = QStringLiteral("Neptune in Your Chart is Placed in")},
    .firstYear = FirstBirthYear,
    .lastYear = LastBirthYear,
    .findSign = neptuneSign,
    .describe = describeSpiritualSign};

} // namespace Lumo
