#include "support/readingfixture.h"
#include "support/savedreading.h"
#include "support/scripteddesktop.h"

#include <QApplication>
#include <QMimeData>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <fcntl.h>
#include <unistd.h>

using namespace Lumo;
using namespace Lumo::Testing;
using namespace Lumo::Testing::FormsFixture;

namespace {
const QByteArray NotUtf8Name = "bad\xff\xfe.kar";
} // namespace

// Files dropped on the main window open as saved Karmic Astrology readings.
class tst_FileDrop : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void cleanup();
    void cleanupTestCase();

    void droppedFileOpensAsSavedReading_data();
    void droppedFileOpensAsSavedReading();

private:
    QTemporaryDir m_dir;
    ScriptedDesktop m_desktop;
};

void tst_FileDrop::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    QApplication::setQuitOnLastWindowClosed(false);
    QVERIFY(m_dir.isValid());
    QVERIFY(writeFile(m_dir.filePath(QStringLiteral("ann.kar")), annReading()));
    QVERIFY(writeFile(m_dir.filePath(QStringLiteral("ann.txt")), annReading()));
    // A name that is not UTF-8 cannot go through QFile, which would encode it as UTF-8.
    const int fd =
        ::open(QFile::encodeName(m_dir.path()) + "/" + NotUtf8Name, O_WRONLY | O_CREAT, 0600);
    QVERIFY(fd >= 0);
    const QByteArray ann = annReading();
    QCOMPARE(::write(fd, ann.constData(), ann.size()), ssize_t(ann.size()));
    ::close(fd);
    mainWindow();
}

void tst_FileDrop::cleanup()
{
    closeReadingForms();
    m_desktop.messages.clear();
}

void tst_FileDrop::cleanupTestCase()
{
    // QDir skips names that are not UTF-8, so the temporary folder cannot remove this one.
    ::unlink((QFile::encodeName(m_dir.path()) + "/" + NotUtf8Name).constData());
    EndProgram();
    flushDeletes();
}

void tst_FileDrop::droppedFileOpensAsSavedReading_data()
{
    QTest::addColumn<QStringList>("addresses"); // file names in the test's folder, or addresses
    QTest::addColumn<bool>("onReading");        // dropped on a reading open in the workspace
    QTest::addColumn<bool>("accepted");
    QTest::addColumn<QString>("reading");
    QTest::addColumn<QStringList>("messages");

    // clang-format off
    QTest::newRow("on the start panel")           << QStringList{"ann.kar"}                                   << false << true  << "ANN: Virgo" << QStringList{};
    QTest::newRow("on an open reading")           << QStringList{"ann.kar"}                                   << true  << true  << "ANN: Virgo" << QStringList{};
    QTest::newRow("web address, then the file")   << QStringList{"https://example.org/ann.kar", "ann.kar"}    << false << true  << "ANN: Virgo" << QStringList{};
    QTest::newRow("refused file")                 << QStringList{"ann.txt"}                                   << false << true  << ""           << QStringList{"Please Check The File."};
    QTest::newRow("file address, name not UTF-8") << QStringList{"file://" + m_dir.path() + "/bad%FF%FE.kar"} << false << true  << "ANN: Virgo" << QStringList{};
    QTest::newRow("web address only")             << QStringList{"https://example.org/ann.kar"}               << true  << false << ""           << QStringList{};
    // clang-format on
}

void tst_FileDrop::droppedFileOpensAsSavedReading()
{
    QFETCH(QStringList, addresses);
    QFETCH(bool, onReading);
    QFETCH(bool, accepted);
    QFETCH(QString, reading);
    QFETCH(QStringList, messages);

    frmMDI *main = mainWindow();
    QWidget *target = main->startPanel();
    if (onReading) {
        DisplayForm *display = openDisplayForm(KarmicDebt);
        QVERIFY(display);
        target = display->centralWidget();
    }
    QList<QUrl> urls;
    for (const QString &address : std::as_const(addresses)) {
        urls.append(address.contains(QLatin1Char(':'))
                        ? QUrl(address)
                        : QUrl::fromLocalFile(m_dir.filePath(address)));
    }
    QMimeData data;
    data.setUrls(urls);
    const QPoint position = target->rect().center();

    QDragEnterEvent enter(position, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &enter);
    QCOMPARE(enter.isAccepted(), accepted);
    if (accepted) {
        QDropEvent drop(position, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(target, &drop);
        QVERIFY(drop.isAccepted());
        flushDeletes();
    }

    QCOMPARE(shownReading(), reading);
    QCOMPARE(m_desktop.messageHeadlines(), messages);
    // A drop that is refused leaves the open reading alone.
    QCOMPARE(loadedForm<DisplayForm>() != nullptr, onReading || !reading.isEmpty());
}

QTEST_MAIN(tst_FileDrop)
#include "tst_filedrop.moc"
