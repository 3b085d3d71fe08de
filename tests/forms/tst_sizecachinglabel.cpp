#include "forms/sizecachinglabel.h"

#include <QLabel>
#include <QTest>

#include <functional>

using namespace Lumo;

namespace {

using Setup = std::function<void(QLabel &)>;

const QString LongText = QStringLiteral(
    "Welcome! Explore your karmic history and also your present life lessons with the help of "
    "this program thus bringing about balance, peace and joy to your life!");

// The measurements a layout asks of a label.
struct Measurements
{
    QSize sizeHint;
    QSize minimumSizeHint;
    QList<int> heightsForWidths;

    friend bool operator==(const Measurements &, const Measurements &) = default;
};

Measurements measure(const QLabel &label)
{
    Measurements result{label.sizeHint(), label.minimumSizeHint(), {}};
    for (const int width : {40, 120, 300, 700})
        result.heightsForWidths.append(label.heightForWidth(width));
    return result;
}

char *toString(const Measurements &m)
{
    QString text = QStringLiteral("hint %1x%2, minimum %3x%4, heights")
                       .arg(m.sizeHint.width())
                       .arg(m.sizeHint.height())
                       .arg(m.minimumSizeHint.width())
                       .arg(m.minimumSizeHint.height());
    for (const int height : m.heightsForWidths)
        text += QLatin1Char(' ') + QString::number(height);
    return qstrdup(text.toUtf8().constData());
}

// What QLabel itself measures for a label set up the same way.
Measurements measuredByQLabel(const Setup &setup)
{
    QLabel label;
    setup(label);
    return measure(label);
}

} // namespace

Q_DECLARE_METATYPE(Setup)

class tst_SizeCachingLabel : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void measuresAsQLabel_data();
    void measuresAsQLabel();
    void followsChangesAfterMeasuring_data();
    void followsChangesAfterMeasuring();
};

void tst_SizeCachingLabel::measuresAsQLabel_data()
{
    QTest::addColumn<Setup>("setup");

    // clang-format off
    QTest::newRow("one line")                        << Setup([](QLabel &l) { l.setText(QStringLiteral("Next")); });
    QTest::newRow("wrapped")                         << Setup([](QLabel &l) { l.setText(LongText); l.setWordWrap(true); });
    QTest::newRow("wrapped, centred, bold, margins") << Setup([](QLabel &l) { l.setText(LongText); l.setWordWrap(true); l.setAlignment(Qt::AlignCenter); QFont font = l.font(); font.setPointSize(14); font.setBold(true); l.setFont(font); l.setMargin(3); l.setContentsMargins(4, 5, 6, 7); });
    QTest::newRow("wrapped, maximum width")          << Setup([](QLabel &l) { l.setText(LongText); l.setWordWrap(true); l.setMaximumWidth(200); });
    QTest::newRow("rich text")                       << Setup([](QLabel &l) { l.setText(QStringLiteral("<b>Bold</b> and <i>") + LongText + QStringLiteral("</i>")); l.setWordWrap(true); });
    QTest::newRow("picture")                         << Setup([](QLabel &l) { QPixmap picture(30, 20); picture.fill(Qt::red); l.setPixmap(picture); });
    // clang-format on
}

// Measured twice (the second time from what was kept), and by a second label with the same
// text, the sizes are QLabel's own.
void tst_SizeCachingLabel::measuresAsQLabel()
{
    QFETCH(Setup, setup);
    const Measurements expected = measuredByQLabel(setup);

    SizeCachingLabel first;
    setup(first);
    QCOMPARE(measure(first), expected);
    QCOMPARE(measure(first), expected);

    SizeCachingLabel second;
    setup(second);
    QCOMPARE(measure(second), expected);
}

void tst_SizeCachingLabel::followsChangesAfterMeasuring_data()
{
    QTest::addColumn<Setup>("change");

    // clang-format off
    QTest::newRow("text")             << Setup([](QLabel &l) { l.setText(LongText + LongText); });
    QTest::newRow("font")             << Setup([](QLabel &l) { QFont font = l.font(); font.setUnderline(true); font.setPointSize(font.pointSize() + 6); l.setFont(font); });
    QTest::newRow("word wrap off")    << Setup([](QLabel &l) { l.setWordWrap(false); });
    QTest::newRow("margin")           << Setup([](QLabel &l) { l.setMargin(12); });
    QTest::newRow("indent")           << Setup([](QLabel &l) { l.setIndent(30); });
    QTest::newRow("style sheet font") << Setup([](QLabel &l) { l.setStyleSheet(QStringLiteral("font-size: 20pt;")); });
    // clang-format on
}

// A label measured once and then changed measures as a new QLabel would: nothing kept for the
// old text or font is taken for the new.
void tst_SizeCachingLabel::followsChangesAfterMeasuring()
{
    QFETCH(Setup, change);
    const Setup wrapped = [](QLabel &l) {
        l.setText(LongText);
        l.setWordWrap(true);
    };

    SizeCachingLabel label;
    wrapped(label);
    const Measurements before = measure(label);
    change(label);

    const Measurements expected = measuredByQLabel([&](QLabel &l) {
        wrapped(l);
        change(l);
    });
    QVERIFY(expected != before);
    QCOMPARE(measure(label), expected);
}

QTEST_MAIN(tst_SizeCachingLabel)
#include "tst_sizecachinglabel.moc"
