#include "forms/formbody.h"
#include "support/readingfixture.h"
#include "support/scripteddesktop.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QMdiArea>
#include <QMenu>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QStandardPaths>

using namespace Lumo;
using namespace Lumo::Testing;
using namespace Lumo::Testing::FormsFixture;

// A reading's text cannot be copied out of the program, yet whatever other programs put on the
// clipboard (or the X11 primary selection) stays there, whatever the user does in our boxes.
class tst_Clipboard : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void cleanup();
    void cleanupTestCase();

    void readingBoxesLeaveTheClipboardAlone_data();
    void readingBoxesLeaveTheClipboardAlone();
    void mouseSelectsWithoutCopying();
    void readingBoxesOfferNoContextMenu();

private:
    ScriptedDesktop m_desktop;
};

static const QString Copied = QStringLiteral("copied in another program");
static const QString Selected = QStringLiteral("selected in another program");

static void fillClipboard()
{
    QClipboard *clipboard = QGuiApplication::clipboard();
    clipboard->setText(Copied);
    if (clipboard->supportsSelection())
        clipboard->setText(Selected, QClipboard::Selection);
}

static void verifyClipboardUntouched()
{
    QClipboard *clipboard = QGuiApplication::clipboard();
    QCOMPARE(clipboard->text(), Copied);
    if (clipboard->supportsSelection())
        QCOMPARE(clipboard->text(QClipboard::Selection), Selected);
}

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

static QPlainTextEdit *readingBox(int reading, const QString &boxName)
{
    DisplayForm *display = openDisplayForm(reading);
    auto *box = display ? display->findChild<QPlainTextEdit *>(boxName) : nullptr;
    if (box)
        scrollIntoView(box->viewport());
    return box;
}

static QPoint visibleCentre(QWidget *widget)
{
    return widget->visibleRegion().boundingRect().center();
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

void tst_Clipboard::readingBoxesLeaveTheClipboardAlone_data()
{
    QTest::addColumn<int>("reading");
    QTest::addColumn<QString>("boxName");
    QTest::addColumn<QString>("action");
    // clang-format off
    const QList<std::pair<int, QString>> boxes = {
        {Astrology,    "txtNorthDesc"},
        {Astrology,    "txtSouthDesc"},
        {KarmicDebt,   "txtDisplay"},
        {KarmicLesson, "txtDisplay"}};
    // clang-format on
    const char *readings[] = {"astrology", "debt", "lesson"};
    for (const auto &[reading, box] : boxes) {
        for (const char *action : {"move", "drag select", "double click", "Ctrl+A Ctrl+C",
                                   "Ctrl+Insert", "new reading text"}) {
            QTest::addRow("%s %s %s", readings[reading], qPrintable(box), action)
                << reading << box << QString(action);
        }
    }
}

void tst_Clipboard::readingBoxesLeaveTheClipboardAlone()
{
    QFETCH(int, reading);
    QFETCH(QString, boxName);
    QFETCH(QString, action);

    QPlainTextEdit *box = readingBox(reading, boxName);
    QVERIFY(box);
    QWidget *surface = box->viewport();
    const QPoint inside = visibleCentre(surface);
    fillClipboard();

    if (action == "move") {
        QTest::mouseMove(surface, inside);
    } else if (action == "drag select") {
        QTest::mousePress(surface, Qt::LeftButton, {}, QPoint(2, 2));
        QTest::mouseMove(surface, inside);
        QTest::mouseRelease(surface, Qt::LeftButton, {}, inside);
    } else if (action == "double click") {
        QTest::mouseDClick(surface, Qt::LeftButton, {}, inside);
    } else if (action == "Ctrl+A Ctrl+C") {
        box->setFocus();
        QTest::keySequence(box, QKeySequence::SelectAll);
        QTest::keySequence(box, QKeySequence::Copy);
        QTest::keyClick(box, Qt::Key_C, Qt::ControlModifier);
    } else if (action == "Ctrl+Insert") {
        box->setFocus();
        box->selectAll();
        QTest::keyClick(box, Qt::Key_Insert, Qt::ControlModifier);
    } else {
        box->appendPlainText("more");
    }

    verifyClipboardUntouched();
}

// The selection still works for the eye (and for printing a selection), it just goes nowhere.
void tst_Clipboard::mouseSelectsWithoutCopying()
{
    QPlainTextEdit *box = readingBox(Astrology, "txtNorthDesc");
    QVERIFY(box);
    QWidget *surface = box->viewport();
    fillClipboard();

    QTest::mousePress(surface, Qt::LeftButton, {}, QPoint(4, 4));
    QTest::mouseMove(surface, visibleCentre(surface));
    QTest::mouseRelease(surface, Qt::LeftButton, {}, visibleCentre(surface));

    const QTextCursor selection = box->textCursor();
    QVERIFY(selection.hasSelection());
    QCOMPARE(selection.selectionStart(), 0);
    QVERIFY(selection.selectedText().size() > 10);
    verifyClipboardUntouched();
}

void tst_Clipboard::readingBoxesOfferNoContextMenu()
{
    QPlainTextEdit *box = readingBox(KarmicDebt, "txtDisplay");
    QVERIFY(box);
    box->selectAll();
    const QPoint inside = visibleCentre(box->viewport());
    QContextMenuEvent request(QContextMenuEvent::Mouse, inside,
                              box->viewport()->mapToGlobal(inside));
    QApplication::sendEvent(box->viewport(), &request);

    QVERIFY(!QApplication::activePopupWidget());
    QVERIFY(box->findChildren<QMenu *>().isEmpty());
}

QTEST_MAIN(tst_Clipboard)
#include "tst_clipboard.moc"
