#pragma once

#include <QList>
#include <QString>

namespace Lumo {

// What the Karmic Astrology reading shows for one North Node sign: the opposite South Node sign,
// a keyword phrase and a one-paragraph description for each node.
struct NodeSignTexts
{
    QString northSign; // the North Node value, e.g. "Libra" or "Aquarious"
    QString southSign; // e.g. "Aries"; the South value for "Leo" is "Aquarius"
    QString northKeywords;
    QString southKeywords;
    QString northDescription;
    QString southDescription;
};

// The row for a North Node value, compared exactly and case-sensitively; nullptr for any other
// text. The Aquarius value is spelt "Aquarious", so "Aquarius" finds no row.
const NodeSignTexts *nodeSignTexts(const QString &northSign);

// What the North and the South Node stand for, shown above each node's sign and in the report.
const QString &northNodeExplanation();
const QString &southNodeExplanation();

// All twelve rows in display order: Libra, Virgo, Leo, Cancer, Gemini, Taurus, Aries, Pisces,
// Aquarious, Capricorn, Sagittarius, Scorpio.
const QList<NodeSignTexts> &allNodeSignTexts();

} // namespace Lumo
