#include "spiritualtexts.h"

#include "common/names.h"

#include <array>

namespace Lumo {

QString spiritualDescription(const QString &sign)
{
    // In zodiac order, Aries first.
    static const std::array<QString, 12> descriptions{
        // Aries
        QStringLiteral(
            "You are a spiritual pioneer who follows your own inner light. Your imagination is "
            "bold and quick, and you dream of brave new beginnings. Your intuition urges you to "
            "act on faith rather than wait. Learn patience so that your ideals can take root."),
        // Taurus
        QStringLiteral(
            "You look for the sacred in nature, in beauty and in simple comforts. Your "
            "imagination gives form to dreams through art, music and the senses. Your intuition "
            "is calm and patient, and it grows with time. Try not to make material security your "
            "only faith."),
        // Gemini
        QStringLiteral(
            "You get along well with people thanks to your good communication skills. Your "
            "intuition speaks through words, ideas and quick exchanges more than long silences. "
            "You find spiritual meaning in learning and in sharing what you know."),
        // Cancer
        QStringLiteral(
            "You tend to give a lot of importance to your home and family. Your intuition is "
            "strongest where you feel safe and loved. You dream of a perfect home and may idealize "
            "the past. Caring for others comes naturally to you."),
        // Leo
        QStringLiteral(
            "You would do well in the showbiz industry. Your imagination longs for a stage, and "
            "you have a gift for turning dreams into something others can enjoy. Your spirit "
            "shines brightest when you create with your heart."),
        // Virgo
        QStringLiteral(
            "This will make you question the religious beliefs and come up with impractical ideas "
            "at times. You look for the sacred in service and useful daily work. Doubt may cloud "
            "your faith, so you want proof. Healing others brings you inner peace."),
        // Libra
        QStringLiteral(
            "You will love to live a relaxed and easy life. You dream of harmony, beauty and of a "
            "perfect love. Your intuition shows itself in art and in your sense of fairness. Try "
            "not to idealize partners beyond who they are."),
        // Scorpio
        QStringLiteral("You can become self destructive if you are not careful. Your feelings run "
                       "very deep and you are drawn to the hidden sides of life. Mysteries, death "
                       "and rebirth hold a dark fascination for you. Facing your fears can turn "
                       "this intensity into true spiritual power."),
        // Sagittarius
        QStringLiteral(
            "You believe in justice and will strive to help the world. Faraway lands and foreign "
            "ideas fire your imagination. You seek the truth through philosophy and travel. Your "
            "faith in people keeps your spirit hopeful."),
        // Capricorn
        QStringLiteral("Matters of ecology and environment will be of keen importance to you. You "
                       "bring your dreams down to earth and give them a practical shape that will "
                       "last. Your spiritual path asks you to respect tradition while quietly "
                       "reforming old structures."),
        // Aquarius
        QStringLiteral(
            "Both Neptune and Aquarius are opposite in nature. Neptune dissolves boundaries while "
            "Aquarius seeks clear and detached reason. You dream of a fairer world built by "
            "science and friendship. Your intuition often works through groups."),
        // Pisces
        QStringLiteral("You can be very inspiring in matters of religion and selflessness. Neptune "
                       "is at home here, so your compassion runs very deep. Guard your boundaries "
                       "and keep your feet on the ground."),
    };
    const qsizetype index = signNames().indexOf(sign);
    return index < 0 ? QString() : descriptions.at(index);
}

} // namespace Lumo
