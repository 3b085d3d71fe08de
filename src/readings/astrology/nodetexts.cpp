#include "nodetexts.h"

#include <algorithm>

namespace Lumo {

namespace {

// The descriptions, one paragraph each, named by the North Node sign of their row.
constexpr QStringView LibraNorth =
    u"North Node in Libra denotes that you need to understand the needs, wishes and feelings of "
    u"the people who share your life. In past lives you learnt to stand alone, to fight your own "
    u"battles and to trust only your own judgement, and this has left you overconfident and quick "
    u"to act before you consult anybody else. You are a born pioneer with plenty of courage, yet "
    u"life keeps placing you in situations where success depends on co-operation rather than on "
    u"force. Your lesson is to become well-balanced: to weigh the other side of every question, "
    u"to listen before you answer and to find the fair middle ground. Partnerships, in love and "
    u"in work, are your teachers. When you share decisions, show tact and let others take the "
    u"lead now and then, you will discover a calm strength that your impatience never gave you. "
    u"Harmony, fairness and grace are the qualities that will bring you peace and lasting "
    u"fulfilment.";

constexpr QStringView LibraSouth =
    u"South Node in Aries denotes that you need to understand that the world does not revolve "
    u"around your own wishes. Independence, courage and a strong will are the gifts you bring "
    u"from earlier lives, and you fall back on them whenever you feel unsure. This makes you "
    u"overconfident at times: you charge ahead alone, make decisions for others and take very "
    u"little notice of how your actions affect them. Your boldness is a real strength, but "
    u"over-used it leaves you lonely and in conflict. The balance you are seeking comes through "
    u"relationships. Learn to ask for the opinion of others, to compromise without feeling "
    u"defeated, and to value a partner as an equal rather than as a follower. Diplomacy and "
    u"patience will win you far more than a direct attack ever could. As you grow well-balanced, "
    u"your natural drive will serve shared goals, and you will find that peace and partnership "
    u"make you stronger, not weaker.";

constexpr QStringView VirgoNorth =
    u"North Node in Virgo denotes that you are too kind for your own good. You are generous with "
    u"your time and your sympathy, and you find it very hard to say no to anyone in need. In "
    u"earlier lives you drifted into self-sacrifice and dreams, and the habit remains: you would "
    u"rather escape into fantasy than face practical facts. This time your lesson is to bring "
    u"order into your life. Set clear limits, keep to a daily routine and look after your health "
    u"and work with care. Learn to notice details, to check facts and to judge situations with a "
    u"clear mind rather than with your heart alone. Useful service given with discernment is "
    u"worth more than endless sacrifice. When your kindness is backed by method, you will become "
    u"a true healer and a dependable friend.";

constexpr QStringView VirgoSouth =
    u"South Node in Pisces denotes that you are too kind and too ready to give yourself away. "
    u"Compassion and generosity come naturally to you, for you bring them from earlier lives of "
    u"service and dreams. Yet this gift can become a weakness: others may take advantage of your "
    u"soft heart, and you may hide from hard realities in daydreams and moods. Your karmic task "
    u"is to ground your kindness in daily life. Organise your time, look after your body and "
    u"finish the tasks you start. Learn to study the facts of a situation, to tell real need from "
    u"manipulation, and to protect your own energy. Practical help offered with good sense does "
    u"more good than sacrifice without limits. Your kind nature, guided by clear thinking, will "
    u"make you a wise and dependable helper.";

// Each Leo description is stored as two passages that are shown joined end to end, with nothing
// between them: the full stop closing the first passage runs straight into the second.
constexpr QStringView LeoNorthLesson =
    u"North Node in Leo indicates that you need to learn to step out from behind the crowd and "
    u"let your own light shine. You are introvert, shy and timid by habit, more comfortable as "
    u"one face among many than as the person everyone is watching. In earlier lives you gave "
    u"yourself to groups, causes and friends, and you learnt to keep your personal wishes out of "
    u"sight. Now your soul asks for creative self-expression. Follow your heart, take pride in "
    u"your talents and dare to be seen. Play, romance, children and the arts are your teachers "
    u"this time. Each time you speak up, take the lead or share something you have made, your "
    u"confidence grows and so does your joy.";

constexpr QStringView LeoNorthTrend =
    u"Never jump out to follow the latest trend and fashion just because everyone else does. You "
    u"tend to look to the group for approval and to shape your tastes and opinions to fit in. "
    u"Your true path lies in finding out what you yourself love and building your life around it. "
    u"Be generous with warmth, loyal to the people you care for and bold in your choices. Do not "
    u"hide in cool detachment when your feelings are involved. The more you trust your own heart, "
    u"the more the world will respond to your individuality with respect and affection.";

constexpr QStringView LeoSouthLesson =
    u"South Node in Aquarius indicates that you need to learn to value your own individual self "
    u"as much as the group to which you belong. You carry from past lives a sense of friendship, "
    u"fairness and social ideals, and you feel safest when you are one member of a team. This has "
    u"made you introvert, shy and timid when the spotlight falls on you alone. You tend to stand "
    u"back, observe from a distance and keep your deepest feelings under the cover of reason. "
    u"Your karmic lesson is to come forward with confidence and express the creative spark that "
    u"is yours alone. Let yourself enjoy love, play and recognition without guilt. Take the lead "
    u"in projects that excite you, and do not wait for the approval of the crowd. Your heart, not "
    u"the latest trend, must be your guide.";

constexpr QStringView LeoSouthInspiring =
    u"You are however an inspiring body for the others around you, because you see the future "
    u"very clearly and care about the good of all. Your friends deeply value your open mind, your "
    u"loyalty and your original ideas. Combine these gifts with personal warmth and real courage "
    u"and you will become a natural leader whom people love to follow. Once you stop hiding in "
    u"the crowd, your inventive spirit will shine brightly and bring lasting joy.";

constexpr QStringView CancerNorth =
    u"Learn how to accept and acknowledge the help received from others, for your karmic path "
    u"leads from cold self-sufficiency towards warmth and emotional openness. In earlier lives "
    u"you held positions of authority and responsibility, and you came to feel that you must "
    u"manage everything yourself. You are impulsive and social, quick to take charge and at ease "
    u"in public life, yet you rarely let anyone see what you feel. Your ambition and your sense "
    u"of duty are strengths, but they can keep you at a distance from the people who love you. "
    u"This time your growth comes through home, family and the inner life. Allow yourself to need "
    u"others, to show tenderness and to be cared for. Build a safe, nourishing base and spend "
    u"time with those closest to you. Success means little without belonging, and your real "
    u"security lies in the bonds of the heart.";

constexpr QStringView CancerSouth =
    u"Learn how to accept and acknowledge the help received from others, because with the South "
    u"Node in Capricorn you are used to relying on yourself alone. Control, discipline and "
    u"ambition were your tools in earlier lives, and you still reach for them when you feel "
    u"insecure. You are impulsive and social in your dealings with the world, eager to act and to "
    u"be respected, yet you guard your private feelings closely. Status and achievement cannot "
    u"fill the emptiness that comes from hiding your softer side. Your lesson is to turn towards "
    u"the home, the family and your own emotions. Let people comfort you, show your care openly "
    u"and make time for those who depend on you. Nurturing others and allowing yourself to be "
    u"nurtured will heal old wounds. When you value belonging as highly as success, you will find "
    u"the security you have always sought.";

constexpr QStringView GeminiNorth =
    u"With your north node in Gemini try and express yourself with patience and curiosity rather "
    u"than with sweeping statements. In earlier lives you were a seeker, a traveller and a "
    u"teacher, and you grew used to being sure that your own truth was the whole truth. This "
    u"makes you impatient and hasty: you jump to conclusions, lose interest in details and move "
    u"on before you have heard the full story. Your lesson now is to listen, to ask questions and "
    u"to learn from the people and places around you. Conversations, reading, writing and short "
    u"journeys are your teachers. Consider each point of view before you decide, and explain your "
    u"ideas in simple words. As you learn to communicate instead of preach, you will find that "
    u"ordinary daily exchanges hold the wisdom you once sought far away.";

constexpr QStringView GeminiSouth =
    u"With your south Node in Sagittarius try and express yourself through dialogue rather than "
    u"through lectures. You bring from earlier lives a love of freedom, adventure and big ideas, "
    u"and a firm faith in your own beliefs. These are fine qualities, but they have made you "
    u"impatient and hasty. You rush towards the next horizon, give advice before it is asked and "
    u"assume that you already know the answer. Details and the viewpoints of others easily escape "
    u"you. Your karmic task is to slow down and become a pupil again. Listen carefully, check "
    u"your facts and be willing to change your mind. Take an interest in your neighbours, your "
    u"siblings and the daily life around you. Sharing information in a clear and friendly way "
    u"will bring you closer to people and give your wisdom a practical voice.";

constexpr QStringView TaurusNorth =
    u"North Node in Taurus denotes that you have to work towards peace, stability and a simple "
    u"sense of your own worth. In past lives you lived through crises, intrigue and deep "
    u"emotional storms, and you learnt to survive by keeping your feelings hidden. This has left "
    u"you secretive and mysterious, drawn to intense situations and to the power and resources of "
    u"other people. You may stir up drama without meaning to, or feel that nothing is real unless "
    u"it is extreme. Your lesson now is to slow down and build on solid ground. Earn your own "
    u"living, look after your possessions and trust your own values. Enjoy the simple pleasures "
    u"of nature, good food, music and comfort without guilt. Patience and steady effort will "
    u"bring you what sudden upheavals never could. Let go of old suspicions and the wish to "
    u"control others. When you find calm within yourself, you will discover a quiet strength and "
    u"a contentment that lasts.";

constexpr QStringView TaurusSouth =
    u"South Node in Scorpio denotes that you have to work at letting go of intensity and learning "
    u"to enjoy a calm and steady life. From earlier lives you carry a deep understanding of "
    u"crisis, transformation and hidden motives. You are secretive and mysterious, and people "
    u"feel the power behind your silence. You tend to be suspicious, to hold on to old hurts and "
    u"to become entangled in the emotions, debts and resources of others. This can drain your "
    u"energy and keep you from building anything of your own. A calmer life may at first seem "
    u"strange. Your karmic task is to create security through your own efforts. Develop your "
    u"talents, earn your own income and respect your own values. Learn to appreciate simple "
    u"pleasures, the beauty of nature and the comfort of your body. Open up to the people you "
    u"trust, and let the past rest. Patience, loyalty and steadiness will bring you a peace of "
    u"mind that no power struggle can ever give you.";

constexpr QStringView AriesNorth =
    u"With your North node in Aries you need to work on your independence and your courage to "
    u"stand on your own feet. In earlier lives you lived for partnerships, and you learnt to see "
    u"yourself through the eyes of others. The result is that you are co-dependent and "
    u"indecisive: you weigh every choice so long that the chance slips away, and you give up your "
    u"own wishes to keep the peace. You may feel lost without a partner, or agree to things you "
    u"do not really want. This time your lesson is to discover who you are when you are alone. "
    u"Trust your instincts, act on them and accept that not everyone will approve of you. Take "
    u"initiative, start new projects and speak openly about your needs. Healthy self-interest is "
    u"not selfishness. Your gift for diplomacy and fairness remains, but it must no longer cost "
    u"you your identity. As you learn to act boldly and decide for yourself, your relationships "
    u"will become more honest and you will gain fresh energy and self-respect.";

constexpr QStringView AriesSouth =
    u"With your South Node in Libra you need to work at standing up for yourself. Grace, charm "
    u"and a feeling for harmony are qualities you have developed over many lives, and they make "
    u"you a pleasant companion. Yet they have also led to co-dependency and indecisiveness. You "
    u"look to a partner for your sense of who you are, you hesitate in fear of upsetting anyone "
    u"and you often hide your real opinions behind polite agreement. In the end you may lose "
    u"sight of what you want. Your karmic lesson is to develop courage and self-reliance. Learn "
    u"to make decisions quickly, to take risks and to trust your first impulse. Spend time on "
    u"your own goals, and do not wait for permission to begin. Conflict now and then is a normal "
    u"part of life, not a disaster. You will keep your talent for diplomacy, but you will use it "
    u"from a position of strength. As your confidence grows, you will discover the joy of "
    u"independence and attract partners who respect the person you truly are.";

constexpr QStringView PiscesNorth =
    u"North node in Pisces denotes that you worry unnecessarily about details, plans and the "
    u"faults of yourself and others. You are compassionate and worried at the same time, always "
    u"trying to fix everything around you. In earlier lives you learnt order, skill and service, "
    u"and you still believe that careful analysis can solve every problem. Your lesson now is to "
    u"trust life, to relax your control and to accept imperfection. Meditation, music, art and "
    u"quiet time in nature will open your intuition. Have faith and your kindness will flow "
    u"freely.";

constexpr QStringView PiscesSouth =
    u"South Node in Virgo denotes that you worry unnecessarily and analyse every situation until "
    u"it loses its joy. You are compassionate and worried, eager to help yet too quick to "
    u"criticise. From past lives you bring a talent for order and practical service, and you feel "
    u"safe only when everything is under control. Your karmic task is to let go and trust. "
    u"Develop your spiritual side through prayer, art, dreams or simple silence. Accept that life "
    u"is not perfect and does not need to be. Faith and surrender will give your helpful nature "
    u"peace.";

constexpr QStringView AquariusNorth =
    u"North Node in Aquarius denotes that you tend to become too absorbed in your own feelings, "
    u"your home and the small world of the people you love. You are domestic and emotional, and "
    u"from past lives you bring a great need for attention, pride in your achievements and a wish "
    u"to be admired. Your warmth and creativity are real gifts, but they can turn into a need to "
    u"be the centre of the stage. Your lesson is to look beyond yourself to the wider community. "
    u"Make friends from all walks of life and give your energy to causes that serve the common "
    u"good. Learn to listen as well as to shine, and let others share the credit. When you serve "
    u"humanity, you will gain a freedom and fulfilment that applause alone can never bring.";

constexpr QStringView AquariusSouth =
    u"South Node in Leo denotes that you tend to become wrapped up in your personal dramas and in "
    u"the need to be noticed. You are domestic and emotional, happiest in your own circle, and "
    u"you love being admired there. This comes from earlier lives in which you were a leader or a "
    u"performer. Such confidence is a strength, yet it can make you self-centred and sensitive to "
    u"any lack of praise. Your karmic task is to turn outwards to the group. Value friendship, "
    u"teamwork and equality, and take an interest in new ideas and in people unlike yourself. Use "
    u"your warmth to support shared goals rather than personal glory. As you do so, you will "
    u"discover a wider love and a sense of purpose that lifts you beyond your own life.";

constexpr QStringView CapricornNorth =
    u"North Node in Capricorn denotes that you have a tendency to hold on to the past and to the "
    u"comfort of family and home. You are nostalgic, coward, pessimistic and sensitive at heart: "
    u"you fear the world outside, expect the worst and retreat into your moods when life gets "
    u"hard. In earlier lives you were cared for and cared for others, and you still lean on those "
    u"around you. Your lesson now is to grow up emotionally and take responsibility for your own "
    u"life. Set goals, work steadily towards them and accept a public role. Discipline, patience "
    u"and self-control will give you the security you seek. As you achieve your aims, your "
    u"sensitivity will become wisdom and your fear will become strength.";

constexpr QStringView CapricornSouth =
    u"South Node in Cancer denotes that you have a tendency to cling to what is familiar and "
    u"safe. You are nostalgic, coward, pessimistic and sensitive, and your feelings easily "
    u"overwhelm your judgement. From past lives you bring a deep gift for nurturing and for "
    u"creating a warm home, but you may use family and memories as a shelter from the demands of "
    u"the world. Your karmic task is to step into maturity. Take charge of your own life, make "
    u"firm plans and pursue a career or purpose that carries real responsibility. Never let the "
    u"fear of failure hold you back. With discipline and persistence you will earn respect, and "
    u"you will find that your caring nature makes you a fair and trusted leader.";

constexpr QStringView SagittariusNorth =
    u"North node in Sagittarius denotes that you are so very simulative of the people around you "
    u"that your own beliefs can be lost. You easily take on the views, words and moods of whoever "
    u"you are with, and you collect facts and opinions without ever deciding what you truly "
    u"think. From earlier lives you bring quick wits, charm and a gift for conversation. You are "
    u"stimulating and generous company, always ready to share news and ideas. Yet endless talk "
    u"and restless curiosity can scatter your energy. Your lesson now is to search for meaning. "
    u"Study philosophy, travel and listen to your inner voice. Trust your intuition rather than "
    u"the latest opinion you have heard. As you find your own faith and your own truth, you will "
    u"become a wise guide whose words carry real weight.";

constexpr QStringView SagittariusSouth =
    u"South Node in Gemini denotes that you are so very simulative in company that you seldom "
    u"show your own point of view. You mirror the people you meet, adapting your opinions to "
    u"theirs, and your quick mind moves from one idea to the next without settling. These habits "
    u"come from earlier lives spent learning, talking and trading information. You are "
    u"stimulating and generous, and people enjoy your wit and your willingness to share what you "
    u"know. Yet you can easily get lost in small details and doubts. Your karmic task is to seek "
    u"the bigger picture. Explore faith, higher learning and distant places, and let your "
    u"intuition guide you. Stand firmly by the truths you discover. When you speak from "
    u"conviction rather than from cleverness, your words will inspire others.";

constexpr QStringView ScorpioNorth =
    u"North Node is Scorpio denotes that you are self-reliant to the point of stubbornness. In "
    u"earlier lives you built up material security and firm values, and you still cling to them "
    u"out of fear of change. You are stubborn and self-reliant, slow to accept help and reluctant "
    u"to share your possessions or your feelings. Your lesson now is to open up to others and to "
    u"let transformation into your life. Share your resources, enter deep partnerships and be "
    u"ready to merge your life with another. Face your hidden fears, explore the mysteries of "
    u"life and let go of what no longer serves you. Crises are chances for rebirth. When you "
    u"allow yourself to change and to depend on others, you will discover a deeper power and an "
    u"intimacy that enriches you.";

constexpr QStringView ScorpioSouth =
    u"South Node in Taurus denotes that you are self-reliant and attached to comfort and "
    u"security. From past lives you bring patience and a talent for building material wealth, but "
    u"you tend to resist every change. You are stubborn and self-reliant, holding onto your "
    u"possessions, your habits and your opinions long after they have served you. Your karmic "
    u"task is to loosen your grip and let life transform you. Share what you own, accept the "
    u"support of others and enter intimate bonds where trust matters more than control. Explore "
    u"your emotions in depth, even those you would rather avoid. Endings and crises are doors to "
    u"renewal, not threats. As you learn to release and share, you will gain a spiritual strength "
    u"far richer than any possession.";

QString joined(QStringView first, QStringView second)
{
    return first.toString() + second.toString();
}

} // namespace

const QList<NodeSignTexts> &allNodeSignTexts()
{
    using namespace Zodiac;
    static const QList<NodeSignTexts> rows{
        {Libra, Aries, QStringLiteral("Overconfident and Well-Balanced"),
         QStringLiteral("Overconfident and Well-Balanced"), LibraNorth.toString(),
         LibraSouth.toString()},
        {Virgo, Pisces, QStringLiteral("Generous and Kind"), QStringLiteral("Generous and Kind"),
         VirgoNorth.toString(), VirgoSouth.toString()},
        {Leo, Aquarius, QStringLiteral("Introvert, Shy and Timid"),
         QStringLiteral("Introvert, Shy and Timid"), joined(LeoNorthLesson, LeoNorthTrend),
         joined(LeoSouthLesson, LeoSouthInspiring)},
        {Cancer, Capricorn, QStringLiteral("Impulsive and Social"),
         QStringLiteral("Impulsive and Social"), CancerNorth.toString(), CancerSouth.toString()},
        {Gemini, Sagittarius, QStringLiteral("Impatient and Hasty"),
         QStringLiteral("Impatient and Hasty"), GeminiNorth.toString(), GeminiSouth.toString()},
        {Taurus, Scorpio, QStringLiteral("Secretive and Mysterious"),
         QStringLiteral("Secretive and Mysterious"), TaurusNorth.toString(),
         TaurusSouth.toString()},
        {Aries, Libra, QStringLiteral("Co-dependent and Indecisive"),
         QStringLiteral("Co-dependency and Indecisiveness"), AriesNorth.toString(),
         AriesSouth.toString()},
        {Pisces, Virgo, QStringLiteral("Compassionate and Worried"),
         QStringLiteral("Compassionate and Worried"), PiscesNorth.toString(),
         PiscesSouth.toString()},
        {Aquarius, Leo, QStringLiteral("Domestic and Emotional"),
         QStringLiteral("Domestic and Emotional"), AquariusNorth.toString(),
         AquariusSouth.toString()},
        {Capricorn, Cancer, QStringLiteral("Nostalgic, Coward, Pessimistic and Sensitive"),
         QStringLiteral("Nostalgic, Coward, Pessimistic and Sensitive"), CapricornNorth.toString(),
         CapricornSouth.toString()},
        {Sagittarius, Gemini, QStringLiteral("Stimulating and Generous"),
         QStringLiteral("Stimulating and Generous"), SagittariusNorth.toString(),
         SagittariusSouth.toString()},
        // The South phrase has a small "r" in "Self-reliant", the North phrase a capital one.
        {Scorpio, Taurus, QStringLiteral("Stubborn and Self-Reliant"),
         QStringLiteral("Stubborn and Self-reliant"), ScorpioNorth.toString(),
         ScorpioSouth.toString()},
    };
    return rows;
}

const NodeSignTexts &nodeSignTexts(Zodiac::Sign north)
{
    const QList<NodeSignTexts> &rows = allNodeSignTexts();
    return *std::find_if(rows.cbegin(), rows.cend(),
                         [north](const NodeSignTexts &texts) { return texts.north == north; });
}

const NodeSignTexts *nodeSignTexts(const QString &northValue)
{
    for (const NodeSignTexts &row : allNodeSignTexts()) {
        if (northNodeName(row.north) == northValue)
            return &row;
    }
    return nullptr;
}

QString northNodeName(Zodiac::Sign north)
{
    return north == Zodiac::Aquarius ? QStringLiteral("Aquarious") : signName(north);
}

const QString &northNodeExplanation()
{
    static const QString text = QStringLiteral(
        "The North Node of the Moon reflects those kinds of experiences, qualities and "
        "characteristic traits that need to be developed within ourselves so as to work with our "
        "karma. These qualities will help us to grow spiritually.");
    return text;
}

const QString &southNodeExplanation()
{
    static const QString text = QStringLiteral(
        "The South Node of the Moon reflects kind of experiences, qualities and characteristic "
        "traits that are already present in us. These are some of our inborn qualities which are "
        "naturally over-developed in us, and prove to be our prime strength.");
    return text;
}

} // namespace Lumo
