#include "namenumbers.h"

namespace Lumo {

namespace {

// A letter with an accent or other mark stands for its base letter: É for E, Ö for O.
QChar baseLetter(QChar c)
{
    while (c.decompositionTag() == QChar::Canonical)
        c = c.decomposition().front();
    return c;
}

bool isVowel(QChar c)
{
    return c == u'A' || c == u'E' || c == u'I' || c == u'O' || c == u'U';
}

} // namespace

int letterValue(QChar c)
{
    c = baseLetter(c);
    if (c < u'A' || c > u'Z')
        return 0;
    return (c.unicode() - u'A') % 9 + 1;
}

QString fullName(const QString &first, const QString &middle, const QString &last)
{
    return first.trimmed() + middle.trimmed() + last.trimmed();
}

NameNumbers nameNumbers(const QString &fullName)
{
    NameNumbers numbers;
    qint64 yTotal = 0;
    for (const QChar letter : fullName) {
        const QChar c = baseLetter(letter);
        const int value = letterValue(c);
        numbers.destiny += value;
        if (isVowel(c))
            numbers.soulUrge += value;
        else
            numbers.innerDream += value;
        if (c == u'Y')
            yTotal += value;
    }
    // Every vowel is worth at least 1, so a zero sum means the name has none:
    // then Y takes the vowel's place, while still counting as a consonant above.
    if (numbers.soulUrge == 0)
        numbers.soulUrge = yTotal;
    return numbers;
}

int birthDayNumber(const QString &dayText)
{
    return dayText.trimmed().toInt();
}

} // namespace Lumo
