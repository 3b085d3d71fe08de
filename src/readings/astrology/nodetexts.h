#pragma once

#include "common/names.h"

#include <QList>
#include <QString>

namespace Lumo {

// What the Karmic Astrology reading shows for one North Node sign: the opposite South Node sign,
// a keyword phrase and a one-paragraph description for each node.
struct NodeSignTexts
{
    Zodiac::Sign north;
    Zodiac::Sign south;
    QString northKeywords;
    QString southKeywords;
    QString northDescription;
    QString southDescription;
};

// The row of a North Node sign; every sign has one.
const NodeSignTexts &nodeSignTexts(Zodiac::Sign north);

// The row of a North Node value as the reading shows it, compared exactly and case-sensitively;
// nullptr for any other text. The Aquarius value is spelt "Aquarious", so "Aquarius" finds no row.
const NodeSignTexts *nodeSignTexts(const QString &northValue);

// A North Node sign as the reading shows it: its name, but "Aquarious" for Aquarius. The South
// Node shows the plain sign name.
QString northNodeName(Zodiac::Sign north);

// What the North and the South Node stand for, shown above each node's sign and in the report.
const QString &northNodeExplanation();
const QString &southNodeExplanation();

// All twelve rows in display order: Libra, Virgo, Leo, Cancer, Gemini, Taurus, Aries, Pisces,
// Aquarius, Capricorn, Sagittarius, Scorpio.
const QList<NodeSignTexts> &allNodeSignTexts();

} // namespace Lumo
