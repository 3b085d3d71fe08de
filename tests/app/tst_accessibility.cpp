#include "support/readingfixture.h"

#include <QApplication>
#include <QPushButton>
#include <QTest>

using namespace Lumo;
using namespace Lumo::Testing;

// Where a screen reader starts: the main window opens with its first reading button in focus.
// What the reader then meets in every window is read over AT-SPI by tst_screenreader.
class tst_Accessibility : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void cleanup() { closeAllForms(); }
    void firstReadingButtonHasFocusAtStart();
};

void tst_Accessibility::firstReadingButtonHasFocusAtStart()
{
    ReadingFixture fixture;
    frmMDI *main = ReadingFixture::mainWindow();
    QVERIFY(QTest::qWaitForWindowActive(main));
    auto *first = main->findChild<QPushButton *>(QStringLiteral("cmdSelectOption_0"));
    QVERIFY(first);
    QTRY_COMPARE(QApplication::focusWidget(), first);
}

QTEST_MAIN(tst_Accessibility)
#include "tst_accessibility.moc"
