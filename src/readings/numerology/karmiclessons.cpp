#include "karmiclessons.h"

#include "common/names.h"
#include "readings/numerology/namenumbers.h"

#include <array>

namespace Lumo {

namespace {

const QString &explanatoryParagraph()
{
    static const QString text = QStringLiteral(
        "Karmic Lessons are areas that you are presently weak in, and that you must look into and "
        "work on in this life. There can be more than one Karmic Lesson for a person.");
    return text;
}

// Said in place of the lessons when the name holds every number.
const QString &noLessonSentence()
{
    static const QString text = QStringLiteral(
        "Your name holds every number from 1 to 9, so there is no Karmic Lesson for you to learn "
        "in this life.");
    return text;
}

} // namespace

QList<int> missingLessonDigits(const QString &fullName)
{
    std::array<bool, 10> present{};
    for (const QChar c : fullName)
        present[letterValue(c)] = true; // slot 0 collects characters without a value
    QList<int> missing;
    for (int digit = 1; digit <= 9; ++digit) {
        if (!present[digit])
            missing.append(digit);
    }
    return missing;
}

QString karmicLessonDescription(int digit)
{
    switch (digit) {
    case 1:
        return QStringLiteral(
            "In this life span, situations frequently come up that force you to craft your own "
            "decisions. You may have leaned on others in the past and waited for their approval. "
            "Now you are asked to trust your own judgement, take the first step and lead when no "
            "one else will. Each choice you make on your own builds the courage and self-belief "
            "this lesson is meant to teach.");
    case 2:
        return QStringLiteral(
            "There may be an inclination to overlook the small things in life. Details, quiet "
            "gestures and the feelings of others can slip past you when you rush ahead. This "
            "lesson asks for patience, tact and a willingness to cooperate. Listen before you "
            "answer, notice what others need, and learn that gentle diplomacy often achieves more "
            "than force.");
    case 3:
        return QStringLiteral(
            "In this life span, situations and experiences may come up that need you to be "
            "perfect and have a good imagination. You may doubt your ideas or keep your feelings "
            "to yourself. This lesson calls for open self-expression, whether through words, art "
            "or simple joy. Speak up, share your stories and let your creativity be seen.");
    case 4:
        return QStringLiteral(
            "This shows an earlier battle against being disorganized and more methodical. Routine "
            "and careful planning may feel tedious to you, yet they are exactly what this life "
            "asks of you. Build solid habits, keep a budget, and finish the work you begin. "
            "Steady, patient effort gives you the secure foundation that scattered energy never "
            "could.");
    case 5:
        return QStringLiteral(
            "You need to learn to live life and not fear it. Change may unsettle you, and you "
            "might cling to the familiar long after it has stopped serving you. This lesson "
            "invites you to travel, to try new things and to meet people unlike yourself. When "
            "you accept that change is natural, freedom becomes a source of growth instead of "
            "worry.");
    case 6:
        return QStringLiteral(
            "In this lifetime, family and associates will do little for you. You may have avoided "
            "commitments before, and now you learn the worth of responsibility by carrying it "
            "yourself. Caring for a home, keeping your word and giving support without counting "
            "the cost are the tasks set before you. Through them you find love that is steady and "
            "true.");
    case 7:
        return QStringLiteral(
            "In this life span, there will be steady opportunities to restore panic with faith, "
            "and a conviction in the power of your spirituality. You may have relied on outward "
            "facts alone. Quiet study, reflection and time alone help you find an inner wisdom "
            "that fear cannot shake. Trust your intuition and let your faith grow.");
    case 8:
        return QStringLiteral(
            "In this generation, you will be enforced to handle your own business. Money, "
            "authority and practical matters may have been left to others in the past. Now you "
            "must learn to manage resources, make sound decisions and take charge with fairness. "
            "Handling power well, without greed or fear, brings you the material security and "
            "respect you seek.");
    case 9:
        return QStringLiteral(
            "In this life span, you will face bad blows to your emotional side till you are woken "
            "up by the intensity of the experiences. These trials teach compassion and a wider "
            "view of the world. Learn tolerance, forgive readily and let go of what has passed. "
            "Serving others with an open heart turns your own pain into understanding.");
    default:
        return QString();
    }
}

QString karmicLessonReading(const QString &fullName)
{
    QString digitList;
    QString lessonText;
    const QList<int> missing = missingLessonDigits(fullName);
    for (const int digit : missing) {
        digitList += u' ' + QString::number(digit);
        lessonText += CrLf + QString::number(digit) + CrLf + karmicLessonDescription(digit);
    }
    if (missing.isEmpty())
        lessonText = CrLf + noLessonSentence();
    const QString twoBreaks = CrLf + CrLf;
    QString text;
    text += QStringLiteral("Your Karmic Lesson Number is: ") + digitList + twoBreaks;
    text += explanatoryParagraph() + CrLf;
    text += lessonText + twoBreaks;
    text += twoBreaks;
    return text;
}

} // namespace Lumo
