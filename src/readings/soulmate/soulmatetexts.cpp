#include "soulmatetexts.h"

#include "common/names.h"

#include <array>

namespace Lumo {

QString describeSoulmateSign(Zodiac::Sign sign)
{
    // In zodiac order, Aries first. Capricorn's text ends with a space and Sagittarius's has
    // no closing full stop: both are shown exactly so.
    static const std::array<QString, 12> descriptions{
        QStringLiteral("This isn't going to be an easy match. You partner may be dominating and "
                       "aggressive."),
        QStringLiteral("This combination describes a stable partner but one who may be stubborn. "
                       "He may also have a lot of appreciation for beauty in any form."),
        QStringLiteral("You love to talk and would love a partner who does the same. Variety is "
                       "what you need in life. Cleverness is something you can surely look for in "
                       "your partner."),
        QStringLiteral("A caring and sensitive partner is someone who would nurture you and you "
                       "would do the same for him / her."),
        QStringLiteral("You will like a loud partner, one who is flamboyant and happening. But on "
                       "the negative side your partner may become bossy and arrogant if you are "
                       "not too careful."),
        QStringLiteral("You need a partner who takes care of you and is good at what he does."),
        QStringLiteral("You would love a partner who has a lot of creative interests and is "
                       "refined. He may also be very expressive about his feelings."),
        QStringLiteral("An intense and brooding partner is the one for you."),
        QStringLiteral("Your partner will be from a totally different background. He may not be "
                       "that patient but have a heart of gold. Traveling would also be well "
                       "enjoyed"),
        QStringLiteral("Your partner will need to be very meticulous and organized. "),
        QStringLiteral("Your partner may not be like the rest and very unconventional. He may not "
                       "think like others do and have very different ideas."),
        QStringLiteral("You can live with imaginary partners. Even if you have a real partner you "
                       "will tend to make up for his shortcomings by imagining the rest."),
    };
    return descriptions.at(sign);
}

QString soulmateDescription(const QString &sign)
{
    const std::optional<Zodiac::Sign> named = signNamed(sign);
    return named ? describeSoulmateSign(*named) : QString();
}

} // namespace Lumo
