#include "forms/clickablelabel.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>

using namespace Lumo;

namespace {

// A panel that counts the mouse moves reaching it.
class Panel : public QWidget
{
public:
    Panel() { setMouseTracking(true); }
    int moves = 0;

protected:
    void mouseMoveEvent(QMouseEvent *) override { ++moves; }
};

} // namespace

class tst_ClickableLabel : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void clickNeedsPressAndReleaseInside_data();
    void clickNeedsPressAndReleaseInside();
    void movesOverTheLabelStayWithIt();
    void webLinkIsReachedAndClickedByKeys_data();
    void webLinkIsReachedAndClickedByKeys();
    void accessibleAsPressableLink_data();
    void accessibleAsPressableLink();

private:
    Panel *m_panel = nullptr;
    ClickableLabel *m_label = nullptr;
};

void tst_ClickableLabel::init()
{
    m_panel = new Panel;
    m_panel->resize(300, 200);
    m_label = new ClickableLabel(m_panel);
    m_label->setText(QStringLiteral("Karmic Astrology"));
    m_label->setGeometry(50, 50, 150, 30);
    m_panel->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_panel));
}

void tst_ClickableLabel::cleanup()
{
    delete m_panel;
}

void tst_ClickableLabel::clickNeedsPressAndReleaseInside_data()
{
    QTest::addColumn<Qt::MouseButton>("button");
    QTest::addColumn<QPoint>("releaseAt");
    QTest::addColumn<int>("clicks");
    // clang-format off
    QTest::newRow("left, released inside")  << Qt::LeftButton  << QPoint(10, 10) << 1;
    QTest::newRow("left, released outside") << Qt::LeftButton  << QPoint(10, 60) << 0;
    QTest::newRow("right, released inside") << Qt::RightButton << QPoint(10, 10) << 0;
    // clang-format on
}

void tst_ClickableLabel::clickNeedsPressAndReleaseInside()
{
    QFETCH(Qt::MouseButton, button);
    QFETCH(QPoint, releaseAt);
    QFETCH(int, clicks);
    QSignalSpy clicked(m_label, &ClickableLabel::clicked);

    QTest::mousePress(m_label, button, {}, QPoint(10, 10));
    QCOMPARE(clicked.size(), 0);
    QTest::mouseRelease(m_label, button, {}, releaseAt);
    QCOMPARE(clicked.size(), clicks);

    // A release alone is no click.
    QTest::mouseRelease(m_label, button, {}, QPoint(10, 10));
    QCOMPARE(clicked.size(), clicks);
}

// The panel under a label must not take a move over the label for one of its own.
void tst_ClickableLabel::movesOverTheLabelStayWithIt()
{
    QSignalSpy moved(m_label, &ClickableLabel::mouseMoved);
    QTest::mouseMove(m_panel, QPoint(5, 5));
    QCOMPARE(m_panel->moves, 1);

    QTest::mouseMove(m_label, QPoint(20, 10));
    QCOMPARE(moved.size(), 1);
    QCOMPARE(m_panel->moves, 1);
}

void tst_ClickableLabel::webLinkIsReachedAndClickedByKeys_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("clicks");
    // clang-format off
    QTest::newRow("Return")   << int(Qt::Key_Return) << 1;
    QTest::newRow("Enter")    << int(Qt::Key_Enter)  << 1;
    QTest::newRow("Space")    << int(Qt::Key_Space)  << 1;
    QTest::newRow("a letter") << int(Qt::Key_A)      << 0;
    // clang-format on
}

// The link comes first among the panel's children but is reached after the box.
void tst_ClickableLabel::webLinkIsReachedAndClickedByKeys()
{
    QFETCH(int, key);
    QFETCH(int, clicks);
    auto *box = new QLineEdit(m_panel);
    box->show();
    m_label->makeWebLink(QStringLiteral("forum"));
    m_panel->activateWindow();
    box->setFocus();
    QTRY_VERIFY(box->hasFocus());
    QTest::keyClick(box, Qt::Key_Tab);
    QTRY_VERIFY(m_label->hasFocus());
    QSignalSpy clicked(m_label, &ClickableLabel::clicked);
    QTest::keyClick(m_label, Qt::Key(key));
    QCOMPARE(clicked.size(), clicks);
}

void tst_ClickableLabel::accessibleAsPressableLink_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("webLink");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QAccessible::Role>("role");
    // clang-format off
    QTest::newRow("web link")       << "Visit the forum"        << true  << "Visit the forum"  << QAccessible::Link;
    QTest::newRow("rich text link") << "<u>Visit</u> the forum" << true  << "Visit the forum"  << QAccessible::Link;
    QTest::newRow("picture link")   << ""                       << true  << "forum"            << QAccessible::Link;
    QTest::newRow("caption")        << "Karmic Astrology"       << false << "Karmic Astrology" << QAccessible::Button;
    // clang-format on
}

void tst_ClickableLabel::accessibleAsPressableLink()
{
    QFETCH(QString, text);
    QFETCH(bool, webLink);
    QFETCH(QString, name);
    QFETCH(QAccessible::Role, role);
    m_label->setText(text);
    if (webLink)
        m_label->makeWebLink(QStringLiteral("forum"));
    QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(m_label);
    QVERIFY(accessible);
    QCOMPARE(accessible->role(), role);
    QCOMPARE(accessible->text(QAccessible::Name), name);
    QAccessibleActionInterface *actions = accessible->actionInterface();
    QVERIFY(actions);
    QVERIFY(actions->actionNames().contains(QAccessibleActionInterface::pressAction()));
    QSignalSpy clicked(m_label, &ClickableLabel::clicked);
    actions->doAction(QAccessibleActionInterface::pressAction());
    QCOMPARE(clicked.size(), 1);
}

QTEST_MAIN(tst_ClickableLabel)
#include "tst_clickablelabel.moc"
