#include "forms/fixedcolours.h"
#include "forms/linkbutton.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QLabel>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>

using namespace Lumo;

namespace {

const QString LongCaption = QStringLiteral(
    "Home Business Opportunity. Start your own Internet business and make money online. Get "
    "this software fully branded for your website. Click here for more details.");

QImage picture(QWidget *widget)
{
    return widget->grab().toImage().convertToFormat(QImage::Format_RGB32);
}

} // namespace

// A window with a text box and a link below it, the link made first so that the Tab order is
// the window's to decide.
class tst_LinkButton : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void mouseClicks_data();
    void mouseClicks();
    void keysClickTheFocusedLink_data();
    void keysClickTheFocusedLink();
    void focusFrameOnlyFromTheKeyboard();
    void measuresAndDrawsAsTheLabelItReplaces_data();
    void measuresAndDrawsAsTheLabelItReplaces();
    void wrappedCaptionGrowsDownwards();
    void measuresAgainForANewFontOrCaption();
    void underlinedWhileThePointerIsOverIt();
    void accessibleRoleNameAndPress_data();
    void accessibleRoleNameAndPress();

private:
    QWidget *m_window = nullptr;
    LinkButton *m_link = nullptr;
    QLineEdit *m_box = nullptr;
};

void tst_LinkButton::init()
{
    m_window = new QWidget;
    auto *layout = new QVBoxLayout(m_window);
    m_link = new LinkButton;
    m_link->setText(QStringLiteral("Visit the forum"));
    m_box = new QLineEdit;
    layout->addWidget(m_box);
    layout->addWidget(m_link);
    QWidget::setTabOrder(m_box, m_link);
    m_window->resize(300, 120);
    m_window->show();
    m_window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(m_window));
    m_box->setFocus();
    QTRY_VERIFY(m_box->hasFocus());
}

void tst_LinkButton::cleanup()
{
    delete m_window;
}

void tst_LinkButton::mouseClicks_data()
{
    QTest::addColumn<Qt::MouseButton>("button");
    QTest::addColumn<QPoint>("releaseAt"); // from the press, at the link's top-left corner
    QTest::addColumn<int>("clicks");
    // clang-format off
    QTest::newRow("left, released inside")  << Qt::LeftButton  << QPoint(5, 5)  << 1;
    QTest::newRow("left, released outside") << Qt::LeftButton  << QPoint(5, 90) << 0;
    QTest::newRow("right, released inside") << Qt::RightButton << QPoint(5, 5)  << 0;
    // clang-format on
}

// A click needs the left button pressed and released on the link, and leaves the focus where it
// was.
void tst_LinkButton::mouseClicks()
{
    QFETCH(Qt::MouseButton, button);
    QFETCH(QPoint, releaseAt);
    QFETCH(int, clicks);
    QSignalSpy clicked(m_link, &LinkButton::clicked);
    QCOMPARE(m_link->cursor().shape(), Qt::PointingHandCursor);

    QTest::mousePress(m_link, button, {}, QPoint(2, 2));
    QTest::mouseRelease(m_link, button, {}, releaseAt);
    QCOMPARE(clicked.size(), clicks);
    QVERIFY(m_box->hasFocus());
}

void tst_LinkButton::keysClickTheFocusedLink_data()
{
    QTest::addColumn<Qt::Key>("key");
    QTest::addColumn<int>("clicks");
    // clang-format off
    QTest::newRow("Space")    << Qt::Key_Space  << 1;
    QTest::newRow("Return")   << Qt::Key_Return << 1;
    QTest::newRow("Enter")    << Qt::Key_Enter  << 1;
    QTest::newRow("a letter") << Qt::Key_A      << 0;
    // clang-format on
}

void tst_LinkButton::keysClickTheFocusedLink()
{
    QFETCH(Qt::Key, key);
    QFETCH(int, clicks);
    QTest::keyClick(m_box, Qt::Key_Tab);
    QTRY_VERIFY(m_link->hasFocus());
    QSignalSpy clicked(m_link, &LinkButton::clicked);
    QTest::keyClick(m_link, key);
    QCOMPARE(clicked.size(), clicks);
}

// The style's focus frame is drawn while Tab has brought the focus; a click draws none.
void tst_LinkButton::focusFrameOnlyFromTheKeyboard()
{
    const QImage atRest = picture(m_link);
    QTest::mouseClick(m_link, Qt::LeftButton);
    QVERIFY(!m_link->hasFocus());
    QCOMPARE(picture(m_link), atRest);

    QTest::keyClick(m_box, Qt::Key_Tab);
    QTRY_VERIFY(m_link->hasFocus());
    QVERIFY(picture(m_link) != atRest);

    QTest::keyClick(m_link, Qt::Key_Backtab);
    QTRY_VERIFY(m_box->hasFocus());
    QCOMPARE(picture(m_link), atRest);
}

// Measured and drawn as a plain-text label of the same caption, font, wrapping and alignment
// with its text in the link colour, so the forms keep their sizes and look at rest. On a button
// "&&" shows one "&", as a single "&" does on a label without a buddy.
void tst_LinkButton::measuresAndDrawsAsTheLabelItReplaces_data()
{
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<bool>("wrap");
    QTest::addColumn<Qt::Alignment>("alignment");
    QTest::addColumn<int>("points");
    QTest::addColumn<int>("margin");
    QTest::addColumn<QSize>("size");
    const QString coBrand = QStringLiteral("Put your site's name &&  link here.");
    const Qt::Alignment left = Qt::AlignLeft | Qt::AlignVCenter;
    // clang-format off
    QTest::newRow("one line")                 << "Visit the forum" << "Visit the forum" << false << left << 9 << 0 << QSize(200, 24);
    QTest::newRow("one line, centred")        << "Karmic Astrology" << "Karmic Astrology" << false << Qt::Alignment(Qt::AlignCenter) << 14 << 0 << QSize(301, 33);
    QTest::newRow("one line, margin")         << "Just input your Name" << "Just input your Name" << false << Qt::Alignment(Qt::AlignCenter) << 11 << 2 << QSize(301, 33);
    QTest::newRow("wrapped, centred")         << LongCaption << LongCaption << true << Qt::Alignment(Qt::AlignCenter) << 9 << 0 << QSize(331, 80);
    QTest::newRow("wrapped, left")            << LongCaption << LongCaption << true << left << 9 << 0 << QSize(660, 45);
    QTest::newRow("wrapped, narrow")          << LongCaption << LongCaption << true << left << 11 << 0 << QSize(120, 260);
    QTest::newRow("wrapped, narrow, margin")  << LongCaption << LongCaption << true << left << 11 << 3 << QSize(120, 260);
    QTest::newRow("ampersand")                << coBrand << QString(coBrand).replace("&&", "&") << true << Qt::Alignment(Qt::AlignCenter) << 9 << 0 << QSize(200, 40);
    // clang-format on
}

void tst_LinkButton::measuresAndDrawsAsTheLabelItReplaces()
{
    QFETCH(QString, caption);
    QFETCH(QString, shown);
    QFETCH(bool, wrap);
    QFETCH(Qt::Alignment, alignment);
    QFETCH(int, points);
    QFETCH(int, margin);
    QFETCH(QSize, size);
    QFont font(QStringLiteral("Verdana"));
    font.setPointSize(points);
    const QColor background(0xef, 0xef, 0xef);

    LinkButton link;
    link.setText(caption);
    link.setWordWrap(wrap);
    link.setAlignment(alignment);
    link.setFont(font);
    link.setMargin(margin);
    setFixedColours(&link, FixedColour::Link, background);
    QLabel label;
    label.setTextFormat(Qt::PlainText);
    label.setText(shown);
    label.setWordWrap(wrap);
    label.setAlignment(alignment);
    label.setFont(font);
    label.setMargin(margin);
    setFixedColours(&label, FixedColour::Link, background);

    QCOMPARE(link.sizeHint(), label.sizeHint());
    QCOMPARE(link.minimumSizeHint(), label.minimumSizeHint());
    QCOMPARE(link.hasHeightForWidth(), wrap);
    if (wrap) {
        for (int width : {80, 200, 331, 660, 2000})
            QCOMPARE(link.heightForWidth(width), label.heightForWidth(width));
    }

    link.resize(size);
    label.resize(size);
    QCOMPARE(picture(&link), picture(&label));
}

// Word wrap lays a long caption out in more lines the narrower the link is, each within the
// link's width.
void tst_LinkButton::wrappedCaptionGrowsDownwards()
{
    m_link->setText(LongCaption);
    QVERIFY(!m_link->hasHeightForWidth());
    const QSize oneLine = m_link->sizeHint();
    m_link->setWordWrap(true);
    QVERIFY(m_link->hasHeightForWidth());
    QVERIFY(m_link->sizePolicy().hasHeightForWidth());

    const int lineHeight = m_link->fontMetrics().height();
    QCOMPARE(m_link->heightForWidth(oneLine.width()), oneLine.height());
    QVERIFY(m_link->heightForWidth(oneLine.width() / 2) >= 2 * lineHeight);
    QVERIFY(m_link->heightForWidth(oneLine.width() / 4) >= 4 * lineHeight);
    QVERIFY(m_link->sizeHint().width() < oneLine.width());
    // At its smallest, the longest word still fits.
    QVERIFY(m_link->minimumSizeHint().width() >=
            m_link->fontMetrics().horizontalAdvance(QStringLiteral("Opportunity.")));
    QVERIFY(m_link->minimumSizeHint().width() < m_link->sizeHint().width());
}

// Measurements are kept for the whole program; a link whose font or caption changes, and another
// link with the same caption in another font, are measured for what they show.
void tst_LinkButton::measuresAgainForANewFontOrCaption()
{
    m_link->setText(LongCaption);
    m_link->setWordWrap(true);
    const QSize small = m_link->sizeHint();
    const int smallAt200 = m_link->heightForWidth(200);

    LinkButton other;
    other.setText(LongCaption);
    other.setWordWrap(true);
    QFont large = m_link->font();
    large.setPointSize(large.pointSize() * 2);
    other.setFont(large);
    QVERIFY(other.heightForWidth(200) > smallAt200);

    m_link->setFont(large);
    QCOMPARE(m_link->sizeHint(), other.sizeHint());
    QCOMPARE(m_link->heightForWidth(200), other.heightForWidth(200));
    m_link->setFont(QFont());
    QCOMPARE(m_link->sizeHint(), small);
    m_link->setText(LongCaption + LongCaption);
    QVERIFY(m_link->heightForWidth(200) > smallAt200);
}

// Only a link asked to underlines itself; the underline goes with the pointer.
void tst_LinkButton::underlinedWhileThePointerIsOverIt()
{
    const QPoint away(m_window->width() - 2, m_window->height() - 2);
    QTest::mouseMove(m_window, away);
    const QImage atRest = picture(m_link);
    QTest::mouseMove(m_link, QPoint(5, 5));
    QTRY_VERIFY(m_link->underMouse());
    QCOMPARE(picture(m_link), atRest);

    m_link->setUnderlinedOnHover(true);
    QVERIFY(picture(m_link) != atRest);
    QTest::mouseMove(m_window, away);
    QTRY_VERIFY(!m_link->underMouse());
    QCOMPARE(picture(m_link), atRest);
}

void tst_LinkButton::accessibleRoleNameAndPress_data()
{
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("accessibleName"); // set on the link; empty: none
    QTest::addColumn<QAccessible::Role>("role");
    QTest::addColumn<QString>("name");
    // clang-format off
    QTest::newRow("link")            << "Visit the forum"     << ""                << QAccessible::Link   << "Visit the forum";
    QTest::newRow("ampersand")       << "Name && link"        << ""                << QAccessible::Link   << "Name & link";
    QTest::newRow("own name")        << "Click here"          << "Vendor home page" << QAccessible::Link  << "Vendor home page";
    QTest::newRow("acts as button")  << "Karmic Astrology"    << ""                << QAccessible::Button << "Karmic Astrology";
    // clang-format on
}

void tst_LinkButton::accessibleRoleNameAndPress()
{
    QFETCH(QString, caption);
    QFETCH(QString, accessibleName);
    QFETCH(QAccessible::Role, role);
    QFETCH(QString, name);
    m_link->setText(caption);
    m_link->setAccessibleName(accessibleName);
    m_link->setAccessibleRole(role);

    QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(m_link);
    QVERIFY(accessible);
    QCOMPARE(accessible->role(), role);
    QCOMPARE(accessible->text(QAccessible::Name), name);
    QVERIFY(accessible->state().focusable);
    QAccessibleActionInterface *actions = accessible->actionInterface();
    QVERIFY(actions);
    QVERIFY(actions->actionNames().contains(QAccessibleActionInterface::pressAction()));
    QSignalSpy clicked(m_link, &LinkButton::clicked);
    actions->doAction(QAccessibleActionInterface::pressAction());
    QCOMPARE(clicked.size(), 1);
}

QTEST_MAIN(tst_LinkButton)
#include "tst_linkbutton.moc"
