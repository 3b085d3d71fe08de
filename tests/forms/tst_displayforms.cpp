#include "support/readingfixture.h"
#include "support/scripteddesktop.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QStandardPaths>

using namespace Lumo;
using namespace Lumo::Testing;
using namespace Lumo::Testing::FormsFixture;

namespace {

const char *const ReadingNames[] = {"astrology", "debt", "lesson", "soulmate", "spiritual"};

// Everything a display form shows of its reading.
QStringList readingShown(const DisplayForm *display)
{
    QStringList shown;
    for (const QLabel *label : display->findChildren<QLabel *>())
        shown.append(label->objectName() + ": " + label->text());
    for (const QPlainTextEdit *box : display->findChildren<QPlainTextEdit *>())
        shown.append(box->objectName() + ": " + box->toPlainText());
    return shown;
}

// The entry of an input form as the user left it.
QStringList entries(const InputForm *form)
{
    QStringList texts;
    for (const QLineEdit *box : form->findChildren<QLineEdit *>())
        texts.append(box->objectName() + ": " + box->text());
    for (const QComboBox *list :
         {control<QComboBox>(form, "cboDate"), control<QComboBox>(form, "cboMonth"),
          control<QComboBox>(form, "cboYear")})
        texts.append(list->objectName() + ": " + list->currentText());
    return texts;
}

} // namespace

class tst_DisplayForms : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();
    void cleanupTestCase();

    void nextShowsTheDisplayForm_data();
    void nextShowsTheDisplayForm();
    void backReturnsToTheInputForm_data();
    void backReturnsToTheInputForm();
    void exitReturnsToTheStartPanel_data();
    void exitReturnsToTheStartPanel();

private:
    ScriptedDesktop m_desktop;
};

void tst_DisplayForms::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    QApplication::setQuitOnLastWindowClosed(false);
    mainWindow();
}

// Qt's workspace warns when it is laid out while a sub-window of its is half destroyed.
void tst_DisplayForms::init()
{
    QTest::failOnWarning(QRegularExpression(QStringLiteral("^QMdiArea::")));
}

void tst_DisplayForms::cleanup()
{
    closeReadingForms();
}

void tst_DisplayForms::cleanupTestCase()
{
    EndProgram();
    flushDeletes();
}

void tst_DisplayForms::nextShowsTheDisplayForm_data()
{
    QTest::addColumn<int>("reading");
    QTest::addColumn<QString>("formName");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QStringList>("textBoxes");
    // clang-format off
    QTest::newRow("astrology") << int(Astrology)    << "frmKarmicAstrologyDisplay"     << "Lumo Karmic Astrology"      << QStringList{"txtNorthDesc", "txtSouthDesc"};
    QTest::newRow("debt")      << int(KarmicDebt)   << "frmKarmicDebtNoDisplay"        << "Lumo Karmic Debt Number"    << QStringList{"txtDisplay"};
    QTest::newRow("lesson")    << int(KarmicLesson) << "frmKarmicLessionNoDisplay"     << "Lumo Karmic Lesson Number"  << QStringList{"txtDisplay"};
    QTest::newRow("soulmate")  << int(Soulmate)     << "frmZodiacSoulmateSignDisplay"  << "Lumo Zodiac Soulmate Sign"  << QStringList();
    QTest::newRow("spiritual") << int(Spiritual)    << "frmZodiacSpiritualSignDisplay" << "Lumo Zodiac Spiritual Sign" << QStringList();
    // clang-format on
}

void tst_DisplayForms::nextShowsTheDisplayForm()
{
    QFETCH(int, reading);
    QFETCH(QString, formName);
    QFETCH(QString, caption);
    QFETCH(QStringList, textBoxes);

    DisplayForm *display = openDisplayForm(reading);
    QVERIFY(display);
    QCOMPARE(display->objectName(), formName);
    QCOMPARE(display->windowTitle(), caption);
    QVERIFY(display->isFormVisible());
    QVERIFY(!startPanelVisible());
    InputForm *input = loadedForm<InputForm>();
    QVERIFY(input && !input->isFormVisible());
    QCOMPARE(readingForms().size(), 2);

    const QWidget *frame = display->frame();
    QCOMPARE(frame->y(), 0);
    QCOMPARE(frame->x(),
             qMax(0, (mainWindow()->workspace()->viewport()->width() - frame->width()) / 2));

    for (const QString &name : textBoxes) {
        auto *box = display->findChild<QPlainTextEdit *>(name);
        QVERIFY2(box, qPrintable(name));
        QVERIFY(box->isReadOnly());
        QVERIFY(box->verticalScrollBarPolicy() != Qt::ScrollBarAlwaysOff);
        QVERIFY2(!box->toPlainText().isEmpty(), "the reading is written into the box");
        QCOMPARE(box->textCursor().position(), 0);
    }
}

void tst_DisplayForms::backReturnsToTheInputForm_data()
{
    QTest::addColumn<int>("reading");
    QTest::addColumn<QString>("way");
    // clang-format off
    QTest::addRow("astrology cmdBack")     << int(Astrology)    << "cmdBack";
    QTest::addRow("astrology mnuFileBack") << int(Astrology)    << "mnuFileBack";
    QTest::addRow("debt cmdback")          << int(KarmicDebt)   << "cmdback";
    QTest::addRow("lesson cmdback")        << int(KarmicLesson) << "cmdback";
    QTest::addRow("soulmate cmdBack")      << int(Soulmate)     << "cmdBack";
    QTest::addRow("soulmate mnuFileBack")  << int(Soulmate)     << "mnuFileBack";
    QTest::addRow("spiritual cmdBack")     << int(Spiritual)    << "cmdBack";
    QTest::addRow("spiritual mnuFileBack") << int(Spiritual)    << "mnuFileBack";
    // clang-format on
}

void tst_DisplayForms::backReturnsToTheInputForm()
{
    QFETCH(int, reading);
    QFETCH(QString, way);

    QPointer<DisplayForm> display = openDisplayForm(reading);
    QVERIFY(display);
    QPointer<InputForm> input = loadedForm<InputForm>();
    const QStringList entered = entries(input);
    const QStringList shown = readingShown(display);

    if (way.startsWith("mnu"))
        display->findChild<QAction *>(way)->trigger();
    else
        QTest::mouseClick(button(display, way), Qt::LeftButton);
    flushDeletes();

    QVERIFY(display.isNull());
    QCOMPARE(loadedForm<InputForm>(), input.data());
    QVERIFY(input->isFormVisible());
    QCOMPARE(entries(input), entered);
    QVERIFY(!startPanelVisible());
    QCOMPARE(readingForms().size(), 1);
    QCOMPARE(mainWindow()->workspace()->subWindowList().size(), 1);

    // Next again builds a fresh display form with the same reading and nothing of the old one.
    clickNext(input);
    DisplayForm *again = loadedForm<DisplayForm>();
    QVERIFY(again && again->isFormVisible());
    QCOMPARE(readingShown(again), shown);
}

void tst_DisplayForms::exitReturnsToTheStartPanel_data()
{
    QTest::addColumn<int>("reading");
    QTest::addColumn<QString>("way");
    for (int reading : {Astrology, Soulmate, Spiritual}) {
        QTest::addRow("%s cmdExit", ReadingNames[reading]) << reading << "cmdExit";
        QTest::addRow("%s mnuExit", ReadingNames[reading]) << reading << "mnuExit";
    }
    for (int reading = Astrology; reading <= Spiritual; ++reading)
        QTest::addRow("%s close box", ReadingNames[reading]) << reading << "close box";
}

void tst_DisplayForms::exitReturnsToTheStartPanel()
{
    QFETCH(int, reading);
    QFETCH(QString, way);

    QPointer<DisplayForm> display = openDisplayForm(reading);
    QVERIFY(display);
    QPointer<InputForm> input = loadedForm<InputForm>();
    const QStringList entered = entries(input);

    if (way == "cmdExit")
        QTest::mouseClick(button(display, way), Qt::LeftButton);
    else if (way == "mnuExit")
        display->findChild<QAction *>(way)->trigger();
    else
        QVERIFY(display->frame()->close());
    flushDeletes();

    QVERIFY(display.isNull());
    QVERIFY(startPanelVisible());
    QCOMPARE(loadedForm<InputForm>(), input.data());
    QVERIFY(!input->isFormVisible());
    QCOMPARE(entries(input), entered);
    QCOMPARE(readingForms().size(), 1);
}

QTEST_MAIN(tst_DisplayForms)
#include "tst_displayforms.moc"
