#include "readings/astrology/nodetexts.h"

#include <QTest>

using namespace Lumo;

class tst_NodeTexts : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void description_data();
    void description();
    void leoPassagesJoinWithoutSpace_data();
    void leoPassagesJoinWithoutSpace();
    void rowsPairNorthWithSouthInTableOrder();
    void keywordsDifferOnlyWhereIntended();
    void unknownNorthValueGivesNoRow_data();
    void unknownNorthValueGivesNoRow();
};

void tst_NodeTexts::description_data()
{
    QTest::addColumn<QString>("northSign");
    QTest::addColumn<bool>("north");
    QTest::addColumn<QString>("opening");
    QTest::addColumn<int>("length");

    const auto add = [](const char *northSign, const char *northOpening, int northLength,
                        const char *southOpening, int southLength) {
        QTest::addRow("%s north", northSign) << northSign << true << northOpening << northLength;
        QTest::addRow("%s south", northSign) << northSign << false << southOpening << southLength;
    };
    // clang-format off
    add("Libra",       "North Node in Libra denotes that you need to understand",           907,  "South Node in Aries denotes that you need to understand",           907);
    add("Virgo",       "North Node in Virgo denotes that you are too kind",                 755,  "South Node in Pisces denotes that you are too kind",                756);
    add("Leo",         "North Node in Leo indicates that you need to learn",                1195, "South Node in Aquarius indicates that you need to learn",           1197);
    add("Cancer",      "Learn how to accept and acknowledge the help received from others", 840,  "Learn how to accept and acknowledge the help received from others", 839);
    add("Gemini",      "With your north node in Gemini try and express yourself",           782,  "With your south Node in Sagittarius try and express yourself",      787);
    add("Taurus",      "North Node in Taurus denotes that you have to work",                914,  "South Node in Scorpio denotes that you have to work",               929);
    add("Aries",       "With your North node in Aries you need to work",                    963,  "With your South Node in Libra you need to work",                    961);
    add("Pisces",      "North node in Pisces denotes that you worry unnecessarily",         541,  "South Node in Virgo denotes that you worry unnecessarily",          540);
    add("Aquarious",   "North Node in Aquarius denotes that you tend to become",            719,  "South Node in Leo denotes that you tend to become",                 714);
    add("Capricorn",   "North Node in Capricorn denotes that you have a tendency",          695,  "South Node in Cancer denotes that you have a tendency",             692);
    add("Sagittarius", "North node in Sagittarius denotes that you are so very simulative", 770,  "South Node in Gemini denotes that you are so very simulative",      766);
    add("Scorpio",     "North Node is Scorpio denotes that you are self-reliant",           742,  "South Node in Taurus denotes that you are self-reliant",            740);
    // clang-format on
}

// Each description is one plain-ASCII paragraph with single spaces between words.
void tst_NodeTexts::description()
{
    QFETCH(QString, northSign);
    QFETCH(bool, north);
    QFETCH(QString, opening);
    QFETCH(int, length);

    const NodeSignTexts *row = nodeSignTexts(northSign);
    QVERIFY(row);
    const QString &text = north ? row->northDescription : row->southDescription;
    QVERIFY2(text.startsWith(opening), qPrintable(text.left(opening.size())));
    QCOMPARE(text.size(), length);
    QVERIFY(!text.contains(u'\r') && !text.contains(u'\n'));
    QVERIFY(!text.contains(QLatin1String("  ")));
    QCOMPARE(text.trimmed(), text);
    for (const QChar c : text)
        QVERIFY2(c.unicode() >= 0x20 && c.unicode() < 0x7F, qPrintable(QString(c)));
}

void tst_NodeTexts::leoPassagesJoinWithoutSpace_data()
{
    QTest::addColumn<bool>("north");
    QTest::addColumn<int>("firstLength");
    QTest::addColumn<QString>("secondOpening");
    QTest::addColumn<int>("secondLength");

    // clang-format off
    QTest::newRow("north") << true  << 660 << "Never jump out to follow the latest trend and fashion"       << 535;
    QTest::newRow("south") << false << 762 << "You are however an inspiring body for the others around you" << 435;
    // clang-format on
}

void tst_NodeTexts::leoPassagesJoinWithoutSpace()
{
    QFETCH(bool, north);
    QFETCH(int, firstLength);
    QFETCH(QString, secondOpening);
    QFETCH(int, secondLength);

    const NodeSignTexts *row = nodeSignTexts(QStringLiteral("Leo"));
    QVERIFY(row);
    const QString &text = north ? row->northDescription : row->southDescription;
    QCOMPARE(text.indexOf(secondOpening), firstLength);
    QCOMPARE(text.at(firstLength - 1), u'.');
    QCOMPARE(text.size() - firstLength, secondLength);
}

void tst_NodeTexts::rowsPairNorthWithSouthInTableOrder()
{
    const QList<std::pair<QString, QString>> pairs{
        {"Libra", "Aries"},      {"Virgo", "Pisces"},       {"Leo", "Aquarius"},
        {"Cancer", "Capricorn"}, {"Gemini", "Sagittarius"}, {"Taurus", "Scorpio"},
        {"Aries", "Libra"},      {"Pisces", "Virgo"},       {"Aquarious", "Leo"},
        {"Capricorn", "Cancer"}, {"Sagittarius", "Gemini"}, {"Scorpio", "Taurus"}};

    const QList<NodeSignTexts> &rows = allNodeSignTexts();
    QCOMPARE(rows.size(), pairs.size());
    for (qsizetype i = 0; i < rows.size(); ++i) {
        QCOMPARE(northNodeName(rows[i].north), pairs[i].first);
        QCOMPARE(signName(rows[i].south), pairs[i].second);
        QCOMPARE(nodeSignTexts(pairs[i].first), &rows[i]);
    }
}

void tst_NodeTexts::keywordsDifferOnlyWhereIntended()
{
    const NodeSignTexts *aries = nodeSignTexts(QStringLiteral("Aries"));
    QVERIFY(aries);
    QCOMPARE(aries->northKeywords, QStringLiteral("Co-dependent and Indecisive"));
    QCOMPARE(aries->southKeywords, QStringLiteral("Co-dependency and Indecisiveness"));

    const NodeSignTexts *scorpio = nodeSignTexts(QStringLiteral("Scorpio"));
    QVERIFY(scorpio);
    QCOMPARE(scorpio->northKeywords, QStringLiteral("Stubborn and Self-Reliant"));
    QCOMPARE(scorpio->southKeywords, QStringLiteral("Stubborn and Self-reliant"));

    for (const NodeSignTexts &row : allNodeSignTexts()) {
        if (row.north != Zodiac::Aries && row.north != Zodiac::Scorpio)
            QCOMPARE(row.southKeywords, row.northKeywords);
    }
}

void tst_NodeTexts::unknownNorthValueGivesNoRow_data()
{
    QTest::addColumn<QString>("northSign");
    // clang-format off
    QTest::newRow("Aquarius spelt correctly") << "Aquarius";
    QTest::newRow("lower case")               << "libra";
    QTest::newRow("upper case")               << "LIBRA";
    QTest::newRow("trailing space")           << "Libra ";
    QTest::newRow("empty")                    << "";
    // clang-format on
}

void tst_NodeTexts::unknownNorthValueGivesNoRow()
{
    QFETCH(QString, northSign);
    QCOMPARE(nodeSignTexts(northSign), nullptr);
}

QTEST_APPLESS_MAIN(tst_NodeTexts)
#include "tst_nodetexts.moc"
