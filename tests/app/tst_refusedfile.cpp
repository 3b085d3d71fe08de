#include "app/frmmdi.h"
#include "app/startup.h"
#include "app/updatereminder.h"
#include "forms/displayform.h"
#include "support/programfolders.h"
#include "support/readingfixture.h"
#include "support/savedreading.h"
#include "support/scripteddesktop.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QMimeData>
#include <QProcess>
#include <QPushButton>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include <optional>

#include <sys/stat.h>

using namespace Lumo;
using namespace Lumo::Testing;

// A file that is not a saved reading, opened by any route while a reading is on screen: it is
// refused promptly with a message that names it, and nothing on screen changes.
class tst_RefusedFile : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void cleanup();

    void refusedFileLeavesTheScreenAlone_data();
    void refusedFileLeavesTheScreenAlone();
    void fileAddresses_data();
    void fileAddresses();

private:
    QString path(const QString &fileName) const { return m_dir.filePath(fileName); }

    QTemporaryDir m_dir;
};

namespace {

enum class Route { Drop, RunningCopy, OpenButton, FileMenu };
// The ways a file: address comes in.
enum class AddressRoute { Drop, RunningCopy, CommandLine };

// What the user sees of the Karmic Astrology reading and which windows are up.
QString screenState()
{
    QStringList state{shownReading()};
    if (auto *input = loadedForm<frmKarmicAstrologyMain>()) {
        for (const char *list : {"cboDate", "cboMonth", "cboYear"})
            state.append(control<QComboBox>(input, list)->currentText());
    }
    for (Form *form : loadedForms())
        state.append(form->objectName() + (form->isVisible() ? "+" : "-"));
    return state.join(QLatin1Char('|'));
}

void drop(const QUrl &address)
{
    QWidget *target = loadedForm<frmKarmicAstrologyDisplay>()
                          ? loadedForm<frmKarmicAstrologyDisplay>()->centralWidget()
                          : loadedForm<frmMDI>()->startPanel();
    QMimeData data;
    data.setUrls({address});
    const QPoint position = target->rect().center();
    QDragEnterEvent enter(position, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &enter);
    QDropEvent event(position, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(target, &event);
}

// A later copy of the program asks this process, the running copy, to open the file. Gives what
// the later copy printed, or nothing when it did not end in time.
std::optional<QString> askAsLaterCopy(const QString &file)
{
    QProcess laterCopy;
    laterCopy.start(QStringLiteral(PROGRAM_PROBE), {file});
    const bool ended =
        QTest::qWaitFor([&] { return laterCopy.state() == QProcess::NotRunning; }, 15000);
    if (!ended) {
        laterCopy.kill();
        laterCopy.waitForFinished();
        return std::nullopt;
    }
    return QString::fromLocal8Bit(laterCopy.readAllStandardOutput());
}

} // namespace

void tst_RefusedFile::initTestCase()
{
    QVERIFY(m_dir.isValid());
    keepProgramFilesIn(m_dir.path());
    setProgramIdentity();
    QApplication::setQuitOnLastWindowClosed(false);
    QVERIFY(writeFile(path("ann.kar"), annReading()));
    QVERIFY(writeFile(path("ann.txt"), annReading()));
    QVERIFY(writeFile(path("notes.kar"), "ann\r\nmet on 5 may\r\n\r\nbye\r\n"));
    QVERIFY(writeFile(path("1899.kar"), encodeKarFile("ANN", 5, "May", 1899)));
    QVERIFY(writeFile(path("feb30.kar"), encodeKarFile("ANN", 30, "February", 1960)));
    QCOMPARE(::mkfifo(QFile::encodeName(path("fifo.kar")).constData(), 0600), 0);
    QVERIFY(QFile::link(QStringLiteral("/dev/ptmx"), path("ptmx.kar")));
    QVERIFY(writeFile(path("cat.kar"), encodeKarFile("CAT", 1, "January", 1953)));
}

void tst_RefusedFile::cleanup()
{
    closeAllForms();
}

void tst_RefusedFile::refusedFileLeavesTheScreenAlone_data()
{
    QTest::addColumn<Route>("route");
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<QString>("reason");

    // clang-format off
    const QList<std::pair<const char *, Route>> routes{
        {"drop",         Route::Drop},
        {"running copy", Route::RunningCopy},
        {"Open button",  Route::OpenButton},
        {"File menu",    Route::FileMenu}};
    const QList<std::tuple<const char *, QString, QString>> files{
        {"FIFO",             "fifo.kar",  "It is not a regular file."},
        {"link to a device", "ptmx.kar",  "It is not a regular file."},
        {"text",             "notes.kar", "It is not a saved reading."},
        {"not .kar",         "ann.txt",   "It is not a saved reading."},
        {"year not listed",  "1899.kar",  "Its date of birth is outside the lists."},
        {"30 February",      "feb30.kar", "Its date of birth is not a calendar date."},
        {"missing",          "none.kar",  "It could not be read: No such file or directory."}};
    // clang-format on
    for (const auto &[routeName, route] : routes) {
        for (const auto &[fileKind, fileName, reason] : files)
            QTest::addRow("%s, %s", routeName, fileKind) << route << fileName << reason;
    }
}

void tst_RefusedFile::refusedFileLeavesTheScreenAlone()
{
    QFETCH(Route, route);
    QFETCH(QString, fileName);
    QFETCH(QString, reason);
    if (fileName == "ptmx.kar" && !QFileInfo::exists(QStringLiteral("/dev/ptmx")))
        QSKIP("this system has no /dev/ptmx");

    // The update reminder starts afresh, so the program asks nothing as it starts.
    QSettings().remove(ReminderGroup + u'/' + ReminderValueName);
    ScriptedDesktop desktop;
    const std::unique_ptr<SingleInstance> running = startProgram(*qApp);
    QVERIFY(running);
    frmMDI *main = loadedForm<frmMDI>();
    QVERIFY(main->openSavedReading(path("ann.kar")));
    QCOMPARE(shownReading(), "ANN: Virgo");
    auto *input = loadedForm<frmKarmicAstrologyMain>();
    if (route == Route::OpenButton || route == Route::FileMenu) {
        // Open belongs to the input form, which comes back with the reading's entries.
        loadedForm<frmKarmicAstrologyDisplay>()->cmdBack_Click();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
    const QString before = screenState();
    const QString refusal =
        "Please Check The File.\n" + QDir::toNativeSeparators(path(fileName)) + ": " + reason;
    desktop.fileNames.enqueue(path(fileName));

    QElapsedTimer clock;
    clock.start();
    switch (route) {
    case Route::Drop:
        drop(QUrl::fromLocalFile(path(fileName)));
        break;
    case Route::RunningCopy: {
        // The later copy, which the user has just started, says why; the running copy only
        // comes forward.
        const std::optional<QString> printed = askAsLaterCopy(path(fileName));
        QVERIFY(printed);
        QVERIFY2(printed->contains("message: " + refusal), qPrintable(*printed));
        QTest::qWait(100); // lets the running copy serve the request it has answered
        QVERIFY(desktop.messages.isEmpty());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCOMPARE(screenState(), before);
        return;
    }
    case Route::OpenButton:
        control<QPushButton>(input, "cmdOpen")->click();
        break;
    case Route::FileMenu:
        control<QAction>(input, "mnuOpenPreviouslySavedKarmic")->trigger();
        break;
    }
    QTRY_COMPARE_WITH_TIMEOUT(desktop.messages.size(), 1, 10000);
    QVERIFY2(clock.elapsed() < 10000, "the refusal took too long");
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);

    QCOMPARE(screenState(), before);
    QCOMPARE(desktop.messages.first().icon, QMessageBox::Critical);
    QCOMPARE(desktop.messages.first().text, refusal);
}

void tst_RefusedFile::fileAddresses_data()
{
    QTest::addColumn<AddressRoute>("route");
    QTest::addColumn<QString>("address");
    QTest::addColumn<QString>("refusal"); // empty: the reading opens

    // The temporary folder's first part as a host: "file://tmp/tst_refusedfile-x/ann.kar" names a
    // file on the computer "tmp", never the local /tmp/tst_refusedfile-x/ann.kar.
    const QString folder = QDir(m_dir.path()).absolutePath();
    const QString host = folder.section(u'/', 1, 1);
    const QString onAnotherComputer = "file://" + host + folder.mid(host.size() + 1) + "/ann.kar";
    const QString refusal = "Please Check The File.\n" + onAnotherComputer +
                            ": It is on another computer: " + host + ".";
    // clang-format off
    const QList<std::pair<const char *, AddressRoute>> routes{
        {"drop",         AddressRoute::Drop},
        {"running copy", AddressRoute::RunningCopy},
        {"command line", AddressRoute::CommandLine}};
    const QList<std::tuple<const char *, QString, QString>> addresses{
        {"no host",          "file://" + folder + "/ann.kar",          ""},
        {"localhost",        "file://localhost" + folder + "/ann.kar", ""},
        {"another computer", onAnotherComputer,                        refusal}};
    // clang-format on
    for (const auto &[routeName, route] : routes) {
        for (const auto &[kind, address, refused] : addresses)
            QTest::addRow("%s, %s", routeName, kind) << route << address << refused;
    }
}

// A file: address opens the local file it names, by every route; the address of a file on
// another computer is refused and the reading on screen stays.
void tst_RefusedFile::fileAddresses()
{
    QFETCH(AddressRoute, route);
    QFETCH(QString, address);
    QFETCH(QString, refusal);

    QSettings().remove(ReminderGroup + u'/' + ReminderValueName);
    ScriptedDesktop desktop;
    std::unique_ptr<SingleInstance> running;
    QString laterCopyOutput;
    if (route == AddressRoute::CommandLine) {
        running = startProgram(*qApp, processCommandLine({"LumoFreeTessaray", address}));
        QVERIFY(running);
    } else {
        running = startProgram(*qApp);
        QVERIFY(running);
        QVERIFY(loadedForm<frmMDI>()->openSavedReading(path("cat.kar")));
        if (route == AddressRoute::Drop) {
            drop(QUrl(address));
        } else {
            const std::optional<QString> printed = askAsLaterCopy(address);
            QVERIFY(printed);
            laterCopyOutput = *printed;
        }
    }

    const QString before =
        route == AddressRoute::CommandLine ? QString() : QStringLiteral("CAT: Aquarious");
    QTRY_COMPARE(shownReading(), refusal.isEmpty() ? QStringLiteral("ANN: Virgo") : before);
    // A later copy, which the user has just started, says it; otherwise the copy that has the file.
    if (route == AddressRoute::RunningCopy) {
        QCOMPARE(laterCopyOutput, refusal.isEmpty() ? QString() : "message: " + refusal + "\n");
        QVERIFY(desktop.messages.isEmpty());
    } else {
        QCOMPARE(desktop.messageTexts(), refusal.isEmpty() ? QStringList() : QStringList(refusal));
    }
}

QTEST_MAIN(tst_RefusedFile)
#include "tst_refusedfile.moc"
