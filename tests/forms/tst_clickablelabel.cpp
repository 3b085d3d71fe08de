#include "forms/clickablelabel.h"

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
    QTest::newRow("left, released inside") << Qt::LeftButton << QPoint(10, 10) << 1;
    QTest::newRow("left, released outside") << Qt::LeftButton << QPoint(10, 60) << 0;
    QTest::newRow("right, released inside") << Qt::RightButton << QPoint(10, 10) << 0;
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

QTEST_MAIN(tst_ClickableLabel)
#include "tst_clickablelabel.moc"
