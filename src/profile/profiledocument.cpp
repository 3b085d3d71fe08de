#include "profiledocument.h"

#include "forms/fixedcolours.h"
#include "karmicprofile.h"
#include "readings/astrology/nodetexts.h"
#include "readings/numerology/karmicdebt.h"
#include "readings/numerology/karmiclessons.h"
#include "readings/soulmate/soulmateforms.h"
#include "readings/spiritual/spiritualforms.h"

#include <QTextCursor>
#include <QTextDocument>

namespace Lumo {

namespace {

// Appends paragraphs to a document, each with its own block and character format. The document
// hears of them as one change, when the writer goes: a document shown in a box is laid out once,
// not again after each paragraph.
class ProfileWriter
{
public:
    explicit ProfileWriter(QTextDocument &document) : m_cursor(&document)
    {
        m_cursor.beginEditBlock();
    }
    ~ProfileWriter() { m_cursor.endEditBlock(); }
    ProfileWriter(const ProfileWriter &) = delete;
    ProfileWriter &operator=(const ProfileWriter &) = delete;

    // Level 1 is the person, level 2 a reading, level 3 a part of one.
    void heading(int level, const QString &text)
    {
        QTextBlockFormat block;
        block.setHeadingLevel(level);
        block.setTopMargin(level == 1 ? 0 : 18 - 3 * level);
        block.setBottomMargin(6);
        QTextCharFormat characters;
        characters.setFontWeight(QFont::Bold);
        // As HTML's h1 to h3.
        characters.setProperty(QTextFormat::FontSizeAdjustment, 4 - level);
        startParagraph(block, characters);
        m_cursor.insertText(text, characters);
    }

    void paragraph(const QString &text, QFont::Weight weight = QFont::Normal)
    {
        QTextCharFormat characters;
        characters.setFontWeight(weight);
        startParagraph(paragraphFormat(), characters);
        m_cursor.insertText(text, characters);
    }

    // A caption with its value, the value in the readings' red.
    void captioned(const QString &caption, const QString &value)
    {
        const QTextCharFormat plain;
        QTextCharFormat emphasised;
        emphasised.setFontWeight(QFont::Bold);
        emphasised.setForeground(FixedColour::Sign);
        startParagraph(paragraphFormat(), plain);
        m_cursor.insertText(caption + QStringLiteral(": "), plain);
        m_cursor.insertText(value, emphasised);
    }

    // A paragraph only where the text has something to show.
    void paragraphIfAny(const QString &text)
    {
        if (!text.isEmpty())
            paragraph(text);
    }

private:
    static QTextBlockFormat paragraphFormat()
    {
        QTextBlockFormat block;
        block.setBottomMargin(6);
        return block;
    }

    // The document's first paragraph is already there; every later one is a new block.
    void startParagraph(const QTextBlockFormat &block, const QTextCharFormat &characters)
    {
        if (m_started) {
            m_cursor.insertBlock(block, characters);
        } else {
            m_cursor.setBlockFormat(block);
            m_cursor.setBlockCharFormat(characters);
            m_started = true;
        }
    }

    QTextCursor m_cursor;
    bool m_started = false;
};

void writeNodes(ProfileWriter &writer, const NodeReadingData &reading)
{
    const NodeSignTexts noTexts{};
    const NodeSignTexts &texts = reading.nodes ? *reading.nodes : noTexts;
    writer.heading(2, QStringLiteral("Karmic Astrology"));
    writer.heading(3, QStringLiteral("North Node"));
    writer.paragraph(northNodeExplanation());
    writer.captioned(QStringLiteral("Your North Node Is Placed In"), reading.northSign());
    writer.captioned(QStringLiteral("Keywords"), texts.northKeywords);
    writer.paragraphIfAny(texts.northDescription);
    writer.heading(3, QStringLiteral("South Node"));
    writer.paragraph(southNodeExplanation());
    writer.captioned(QStringLiteral("Your South Node Is Placed In"), reading.southSign());
    writer.captioned(QStringLiteral("Keywords"), texts.southKeywords);
    writer.paragraphIfAny(texts.southDescription);
}

void writeDebt(ProfileWriter &writer, int debtNumber)
{
    writer.heading(2, QStringLiteral("Karmic Debt Number"));
    writer.paragraph(karmicDebtHeadline(debtNumber));
    writer.paragraph(karmicDebtExplanation());
    writer.paragraph(karmicDebtDescription(debtNumber));
}

void writeLessons(ProfileWriter &writer, const QList<int> &digits)
{
    writer.heading(2, QStringLiteral("Karmic Lesson Number"));
    writer.paragraph(karmicLessonHeadline(digits));
    writer.paragraph(karmicLessonExplanation());
    for (const int digit : digits) {
        writer.paragraph(QString::number(digit), QFont::Bold);
        writer.paragraph(karmicLessonDescription(digit));
    }
    if (digits.isEmpty())
        writer.paragraph(noKarmicLessonSentence());
}

void writeSign(ProfileWriter &writer, const SignReading &reading, std::optional<Zodiac::Sign> sign)
{
    const SignReading::Captions &captions = reading.captions;
    writer.heading(2, captions.frame);
    writer.paragraph(captions.knownAs);
    writer.captioned(captions.placedIn, sign ? signName(*sign) : QString());
    if (sign)
        writer.paragraphIfAny(reading.describe(*sign));
}

} // namespace

void writeProfileDocument(const KarmicProfile &profile, QTextDocument &document)
{
    document.clear();
    document.setMetaInformation(QTextDocument::DocumentTitle, profileTitle(profile.person));
    ProfileWriter writer(document);
    writer.heading(1, profile.person.fullName());
    writer.paragraph(QStringLiteral("Date Of Birth: ") + birthDateText(profile.person.birthDate));
    writeNodes(writer, profile.nodes);
    writeDebt(writer, profile.debtNumber);
    writeLessons(writer, profile.lessonDigits);
    writeSign(writer, ZodiacSoulmateSign, profile.soulmateSign);
    writeSign(writer, ZodiacSpiritualSign, profile.spiritualSign);
}

} // namespace Lumo
