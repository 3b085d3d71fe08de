#include "forms/textboxes.h"

#include <QPlainTextEdit>
#include <QTest>
#include <QTextCursor>
#include <QVBoxLayout>

using namespace Lumo;

// A reading's text in its text box: CR LF breaks become line breaks and the caret stands at the
// start, whether the box shows already or only later, when its form has been sized.
class tst_ReadingText : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void showsTheLastTextGiven_data();
    void showsTheLastTextGiven();
};

void tst_ReadingText::showsTheLastTextGiven_data()
{
    QTest::addColumn<bool>("shownFirst");
    QTest::addColumn<QStringList>("texts");
    QTest::addColumn<QString>("expected");
    const QString reading = QStringLiteral("North Node in Virgo.\r\nLearn order.\r\n");
    const QString shown = QStringLiteral("North Node in Virgo.\nLearn order.\n");
    // clang-format off
    QTest::newRow("box already shown")    << true  << QStringList{reading} << shown;
    QTest::newRow("box shown later")      << false << QStringList{reading} << shown;
    QTest::newRow("two texts, then shown") << false << QStringList{QStringLiteral("Old"), reading} << shown;
    QTest::newRow("shown, then two texts") << true  << QStringList{QStringLiteral("Old"), reading} << shown;
    QTest::newRow("empty text last")      << false << QStringList{reading, QString()} << QString();
    // clang-format on
}

void tst_ReadingText::showsTheLastTextGiven()
{
    QFETCH(bool, shownFirst);
    QFETCH(QStringList, texts);
    QFETCH(QString, expected);

    QWidget window;
    auto *box = new QPlainTextEdit(&window);
    (new QVBoxLayout(&window))->addWidget(box);
    box->setPlainText(QStringLiteral("What the box held before"));
    if (shownFirst)
        window.show();
    for (const QString &text : texts)
        showReadingText(box, text);
    if (!shownFirst) {
        // Hidden, the box holds no earlier text for anyone to read.
        QVERIFY(box->toPlainText().isEmpty());
        window.show();
    }
    QCOMPARE(box->toPlainText(), expected);
    QCOMPARE(box->textCursor().position(), 0);

    // Hidden and shown again, the box keeps its text.
    window.hide();
    window.show();
    QCOMPARE(box->toPlainText(), expected);
}

QTEST_MAIN(tst_ReadingText)
#include "tst_readingtext.moc"
