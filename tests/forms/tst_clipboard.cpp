#include "forms/formbody.h"
#include "forms/formsfixture.h"
#include "support/scripteddesktop.h"

#include <QApplication>
#include <QClipboard>
#include <QMdiArea>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QStandardPaths>

using namespace Lumo;
using namespace Lumo::Testing;
using namespace Lumo::Testing::FormsFixture;

// The reading text boxes empty the system clipboard whenever they are used, so that a reading
// cannot be copied out of the program.
class tst_Clipboard : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void cleanup();
    void cleanupTestCase();

    void usingAReadingTextBoxEmptiesTheClipboard_data();
    void usingAReadingTextBoxEmptiesTheClipboard();
    void otherControlsLeaveTheClipboardAlone();

private:
    ScriptedDesktop m_desktop;
};

static const QString Copied = QStringLiteral("copied in another program");

// A box may lie below the visible part of the workspace: scroll down to it, as a user would.
// As a user would: the form scrolls its top part when the workspace is too short for it.
static void scrollIntoView(QWidget *widget)
{
    for (QWidget *parent = widget->parentWidget(); parent; parent = parent->parentWidget()) {
        if (auto *body = qobject_cast<FormBody *>(parent)) {
            body->ensureWidgetVisible(widget->parentWidget());
            if (widget->visibleRegion().boundingRect().height() >= widget->height() / 2)
                return;
        }
    }
    QScrollBar *scroll = mainWindow()->workspace()->verticalScrollBar();
    for (int value = scroll->minimum(); value <= scroll->maximum(); value += scroll->singleStep()) {
        scroll->setValue(value);
        if (widget->visibleRegion().boundingRect().height() >= widget->height() / 2)
            return;
    }
}

void tst_Clipboard::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    QApplication::setQuitOnLastWindowClosed(false);
    mainWindow();
}

void tst_Clipboard::cleanup()
{
    closeReadingForms();
}

void tst_Clipboard::cleanupTestCase()
{
    EndProgram();
    flushDeletes();
}

void tst_Clipboard::usingAReadingTextBoxEmptiesTheClipboard_data()
{
    QTest::addColumn<int>("reading");
    QTest::addColumn<QString>("boxName");
    QTest::addColumn<QString>("action");
    const QList<std::pair<int, QString>> boxes = {{Astrology, "txtNorthDesc"},
                                                  {Astrology, "txtSouthDesc"},
                                                  {KarmicDebt, "txtDisplay"},
                                                  {KarmicLesson, "txtDisplay"}};
    const char *readings[] = {"astrology", "debt", "lesson"};
    for (const auto &[reading, box] : boxes) {
        for (const char *action : {"move", "press", "release", "double click", "text change"}) {
            QTest::addRow("%s %s %s", readings[reading], qPrintable(box), action)
                << reading << box << QString(action);
        }
    }
}

void tst_Clipboard::usingAReadingTextBoxEmptiesTheClipboard()
{
    QFETCH(int, reading);
    QFETCH(QString, boxName);
    QFETCH(QString, action);

    DisplayForm *display = openDisplayForm(reading);
    QVERIFY(display);
    auto *box = display->findChild<QPlainTextEdit *>(boxName);
    QVERIFY(box);
    QWidget *surface = box->viewport();
    scrollIntoView(surface);
    const QPoint inside = surface->visibleRegion().boundingRect().center();
    QVERIFY(surface->visibleRegion().contains(inside));
    // The pointer comes from elsewhere; a press comes before its release.
    QTest::mouseMove(mainWindow()->startPanel()->parentWidget(), QPoint(1, 1));
    if (action == "release")
        QTest::mousePress(surface, Qt::LeftButton, {}, inside);

    QGuiApplication::clipboard()->setText(Copied);
    QCOMPARE(QGuiApplication::clipboard()->text(), Copied);

    if (action == "move")
        QTest::mouseMove(surface, inside);
    else if (action == "press")
        QTest::mousePress(surface, Qt::LeftButton, {}, inside);
    else if (action == "release")
        QTest::mouseRelease(surface, Qt::LeftButton, {}, inside);
    else if (action == "double click")
        QTest::mouseDClick(surface, Qt::LeftButton, {}, inside);
    else
        box->appendPlainText("more");

    QCOMPARE(QGuiApplication::clipboard()->text(), QString());
}

void tst_Clipboard::otherControlsLeaveTheClipboardAlone()
{
    DisplayForm *display = openDisplayForm(KarmicDebt);
    QVERIFY(display);
    QGuiApplication::clipboard()->setText(Copied);

    QTest::mouseMove(display->findChild<QWidget *>("lblFullBrand"));
    QTest::mouseClick(button(display, "cmdback"), Qt::LeftButton);
    flushDeletes();

    QCOMPARE(QGuiApplication::clipboard()->text(), Copied);
}

QTEST_MAIN(tst_Clipboard)
#include "tst_clipboard.moc"
