#include "forms/linkclicks.h"
#include "support/scripteddesktop.h"

#include <QTest>
#include <QTextBlock>
#include <QTextEdit>

#include <memory>

using namespace Lumo;
using Lumo::Testing::ScriptedDesktop;

class tst_LinkClicks : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void press_data();
    void press();
    void moveOverLinkOpensNothing();
    void pressBesideLinkOpensNothing();
    void pressStillMovesCaret();
    void linksAreShownUntilDisabled();
    void boxesHaveTheirOwnLinkClicks();
    void disableWithoutEnableIsHarmless();
    void destroyedBoxEndsLinkClicks();

private:
    // Where the character at the given index of the box's text is drawn, in viewport coordinates.
    QPoint pointOnCharacter(qsizetype index) const;

    std::unique_ptr<ScriptedDesktop> desktop;
    std::unique_ptr<QTextEdit> box;
};

void tst_LinkClicks::init()
{
    desktop = std::make_unique<ScriptedDesktop>();
    box = std::make_unique<QTextEdit>();
    box->setReadOnly(true);
    box->resize(700, 300);
    box->show();
}

void tst_LinkClicks::cleanup()
{
    box.reset();
    desktop.reset();
}

QPoint tst_LinkClicks::pointOnCharacter(qsizetype index) const
{
    QTextCursor cursor(box->document());
    cursor.setPosition(int(index));
    const QRect caret = box->cursorRect(cursor);
    return QPoint(caret.left() + 2, caret.center().y());
}

void tst_LinkClicks::press_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("target"); // the press lands on the middle of this part of the text
    QTest::addColumn<Qt::MouseButton>("button");
    QTest::addColumn<QString>("opened"); // empty: nothing is opened

    const QString site = QStringLiteral("http://www.example.org/lumo/ssd.php?page=home-page");
    const QString longAddress = QStringLiteral("http://example.org/") + QString(1005, u'a');
    const QString longestAddress = longAddress.left(1023);
    // clang-format off
    QTest::newRow("http address")          << "Report By " + site + " today"   << site                    << Qt::LeftButton  << site;
    QTest::newRow("https address")         << "see https://example.org/x now"  << "https://example.org/x" << Qt::LeftButton  << "https://example.org/x";
    QTest::newRow("www address gets http") << "go to www.example.org."         << "www.example.org"       << Qt::LeftButton  << "http://www.example.org";
    QTest::newRow("upper-case scheme")     << "HTTP://EXAMPLE.ORG/A"           << "EXAMPLE"               << Qt::LeftButton  << "http://example.org/A";
    QTest::newRow("right button")          << site                             << site                    << Qt::RightButton << "";
    QTest::newRow("plain text")            << "Report By " + site              << "Report"                << Qt::LeftButton  << "";
    QTest::newRow("mark after address")    << "visit www.example.org! Then"    << "!"                     << Qt::LeftButton  << "";
    QTest::newRow("local file")            << "file:///etc/passwd"             << "etc"                   << Qt::LeftButton  << "";
    QTest::newRow("other scheme")          << "ftp://example.org/x"            << "example"               << Qt::LeftButton  << "";
    QTest::newRow("script")                << "javascript:alert(1)"            << "alert"                 << Qt::LeftButton  << "";
    QTest::newRow("markup is not a link")  << R"(<a href="file:///x">www</a>)" << "www"                   << Qt::LeftButton  << "";
    QTest::newRow("1023 characters")       << longestAddress                   << "example"               << Qt::LeftButton  << longestAddress;
    QTest::newRow("1024 characters")       << longAddress.left(1024)           << "example"               << Qt::LeftButton  << "";
    // clang-format on
}

void tst_LinkClicks::press()
{
    QFETCH(QString, text);
    QFETCH(QString, target);
    QFETCH(Qt::MouseButton, button);
    QFETCH(QString, opened);

    box->setPlainText(text);
    QVERIFY(EnableLinkClicks(box.get()));
    const qsizetype at = text.indexOf(target);
    QVERIFY(at >= 0);
    QTest::mousePress(box->viewport(), button, {}, pointOnCharacter(at + target.size() / 2));

    const QList<QUrl> expected = opened.isEmpty() ? QList<QUrl>() : QList<QUrl>{QUrl(opened)};
    QCOMPARE(desktop->openedUrls, expected);
}

void tst_LinkClicks::moveOverLinkOpensNothing()
{
    box->setPlainText(QStringLiteral("www.example.org"));
    QVERIFY(EnableLinkClicks(box.get()));
    QTest::mouseMove(box->viewport(), pointOnCharacter(3));
    QTest::mouseMove(box->viewport(), pointOnCharacter(6));
    QVERIFY(desktop->openedUrls.isEmpty());
}

void tst_LinkClicks::pressBesideLinkOpensNothing()
{
    box->setPlainText(QStringLiteral("www.example.org\nnext line"));
    QVERIFY(EnableLinkClicks(box.get()));
    const QPoint onLink = pointOnCharacter(5);
    QTest::mousePress(box->viewport(), Qt::LeftButton, {},
                      QPoint(box->viewport()->width() - 20, onLink.y()));
    QVERIFY(desktop->openedUrls.isEmpty());
}

void tst_LinkClicks::pressStillMovesCaret()
{
    box->setPlainText(QStringLiteral("Report By www.example.org"));
    box->moveCursor(QTextCursor::Start);
    QVERIFY(EnableLinkClicks(box.get()));
    QTest::mouseClick(box->viewport(), Qt::LeftButton, {}, pointOnCharacter(15));
    QCOMPARE(desktop->openedUrls.size(), 1);
    QVERIFY(box->textCursor().position() >= 14 && box->textCursor().position() <= 16);
}

void tst_LinkClicks::linksAreShownUntilDisabled()
{
    box->setPlainText(QStringLiteral("plain\nBy www.example.org and https://a.example/b"));
    QVERIFY(EnableLinkClicks(box.get()));
    const QTextBlock second = box->document()->findBlockByNumber(1);

    const QList<QTextLayout::FormatRange> links = second.layout()->formats();
    QCOMPARE(links.size(), 2);
    QCOMPARE(second.text().mid(links[0].start, links[0].length), "www.example.org");
    QCOMPARE(second.text().mid(links[1].start, links[1].length), "https://a.example/b");
    QVERIFY(links[0].format.fontUnderline());
    QVERIFY(box->document()->firstBlock().layout()->formats().isEmpty());
    // The document's own formats are untouched: links are shown, not stored.
    QVERIFY(!box->document()->toHtml().contains(QLatin1String("underline")));

    // Text added later is recognised too.
    box->append(QStringLiteral("www.added.example"));
    QCOMPARE(box->document()->lastBlock().layout()->formats().size(), 1);

    DisableLinkClicks(box.get());
    QVERIFY(second.layout()->formats().isEmpty());
    QTest::mousePress(box->viewport(), Qt::LeftButton, {}, pointOnCharacter(12));
    QVERIFY(desktop->openedUrls.isEmpty());
}

void tst_LinkClicks::boxesHaveTheirOwnLinkClicks()
{
    QTextEdit other;
    other.setPlainText(QStringLiteral("www.other.example"));
    other.resize(400, 200);
    other.show();
    const QPoint onOther = other.cursorRect().center() + QPoint(20, 0);
    box->setPlainText(QStringLiteral("www.example.org"));
    const QUrl boxAddress("http://www.example.org");
    const QUrl otherAddress("http://www.other.example");

    QVERIFY(EnableLinkClicks(box.get()));
    QTest::mousePress(other.viewport(), Qt::LeftButton, {}, onOther);
    QVERIFY(desktop->openedUrls.isEmpty());

    QVERIFY(EnableLinkClicks(&other));
    QVERIFY(!EnableLinkClicks(box.get()));
    // Still one handler on each box: one press opens its own address once.
    QTest::mousePress(box->viewport(), Qt::LeftButton, {}, pointOnCharacter(5));
    QTest::mousePress(other.viewport(), Qt::LeftButton, {}, onOther);
    QCOMPARE(desktop->openedUrls, QList<QUrl>({boxAddress, otherAddress}));

    // Turning one box off leaves the other's links alone.
    DisableLinkClicks(box.get());
    QTest::mousePress(box->viewport(), Qt::LeftButton, {}, pointOnCharacter(5));
    QTest::mousePress(other.viewport(), Qt::LeftButton, {}, onOther);
    QCOMPARE(desktop->openedUrls, QList<QUrl>({boxAddress, otherAddress, otherAddress}));
    QVERIFY(box->document()->firstBlock().layout()->formats().isEmpty());
    QCOMPARE(other.document()->firstBlock().layout()->formats().size(), 1);
}

void tst_LinkClicks::disableWithoutEnableIsHarmless()
{
    DisableLinkClicks(box.get());
    DisableLinkClicks(box.get());
    DisableLinkClicks(nullptr);
    QVERIFY(!EnableLinkClicks(nullptr));
    QVERIFY(EnableLinkClicks(box.get()));
}

void tst_LinkClicks::destroyedBoxEndsLinkClicks()
{
    auto owner = std::make_unique<QWidget>();
    auto *gone = new QTextEdit(owner.get());
    gone->setPlainText(QStringLiteral("www.gone.example"));
    QVERIFY(EnableLinkClicks(gone));
    owner.reset();

    box->setPlainText(QStringLiteral("www.example.org"));
    QVERIFY(EnableLinkClicks(box.get()));
    QTest::mousePress(box->viewport(), Qt::LeftButton, {}, pointOnCharacter(5));
    QCOMPARE(desktop->openedUrls.size(), 1);
}

QTEST_MAIN(tst_LinkClicks)
#include "tst_linkclicks.moc"
