#include "karmicdebt.h"

#include "common/names.h"

namespace Lumo {

namespace {

bool isDebtNumber(qint64 number)
{
    return number == 13 || number == 14 || number == 16 || number == 19;
}

} // namespace

const QString &karmicDebtExplanation()
{
    static const QString text = QStringLiteral(
        "This number signifies some mistake or misuse of opportunities in your previous lifetime "
        "that reflects in the present lifetime. You can rectify the error in this lifetime by "
        "taking an additional burden known as Karmic Debt.");
    return text;
}

QString karmicDebtHeadline(int debtNumber)
{
    return QStringLiteral("Karmic Debt Number: ") + QString::number(debtNumber);
}

int karmicDebtNumber(const NameNumbers &numbers, int birthDay)
{
    int debt = 0;
    for (const qint64 tested :
         {numbers.destiny, numbers.soulUrge, numbers.innerDream, qint64(birthDay)}) {
        if (isDebtNumber(tested))
            debt = int(tested);
    }
    return debt;
}

QString karmicDebtDescription(int debtNumber)
{
    switch (debtNumber) {
    case 13:
        return QStringLiteral(
            "People with this number your kitty are hard worker and strugglers. The debt points "
            "to a past life in which effort was avoided and the work was left to others, so this "
            "time little comes without labour. Plans stall when you look for shortcuts, and "
            "frustration can tempt you to give up halfway. Your way forward is steady discipline: "
            "set one clear goal, keep your affairs in order and finish each task before the next "
            "begins. Patience turns the struggle into skill, and what you build slowly will stand "
            "for a long time.");
    case 14:
        return QStringLiteral(
            "Be optimistic and goal oriented, you will come up with flying colors. This debt "
            "recalls a former life in which freedom was misused and the pleasures of the senses "
            "ruled over good sense. Now life brings sudden changes, lost plans and tempting "
            "excesses to test your self-control. Moderation in food, drink, spending and romance "
            "keeps you steady. Learn to adapt without drifting, keep your promises when change "
            "calls, and let a firm inner purpose steer you through each upheaval.");
    case 16:
        return QStringLiteral(
            "This number is probably the route to attain the real truth of life. It speaks of a "
            "past life in which pride, vanity or a careless love caused others pain. In this life "
            "the structures built on ego tend to collapse without warning, whether a position, a "
            "relationship or a cherished self-image. Each fall is a call to humility and honest "
            "self-examination. When you let go of appearances and seek spiritual understanding, "
            "you rise again on firmer ground, wiser and more at peace with yourself.");
    case 19:
        return QStringLiteral(
            "You are a self-made man forced to stand on your own feet without any help of others. "
            "In an earlier life power was used for selfish ends and the needs of others were "
            "brushed aside. Now you must learn true independence, which is not the same as "
            "standing alone. Pride may keep you from asking for help even when it is offered "
            "freely. The lesson is to value the people around you, share your success, and see "
            "that strength grows when it serves more than your own ambition.");
    default:
        return QStringLiteral("Your Karmic Debt Number is not applicable.");
    }
}

QString karmicDebtReading(int debtNumber)
{
    const QString twoBreaks = CrLf + CrLf;
    QString text;
    text += karmicDebtHeadline(debtNumber) + twoBreaks;
    text += karmicDebtExplanation() + twoBreaks;
    text += karmicDebtDescription(debtNumber) + twoBreaks;
    text += twoBreaks;
    return text;
}

} // namespace Lumo
