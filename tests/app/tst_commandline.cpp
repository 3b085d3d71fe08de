#include "app/frmmdi.h"
#include "app/startup.h"
#include "app/updatereminder.h"
#include "support/programfolders.h"
#include "support/readingfixture.h"
#include "support/savedreading.h"
#include "support/scripteddesktop.h"

#include <QDir>
#include <QProcess>
#include <QRegularExpression>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace Lumo;
using namespace Lumo::Testing;

namespace {
const QByteArray NotUtf8Name = "bad\xff\xfe.kar";

// A shell word that gives the bytes exactly, whatever they are: printf's octal escapes.
QString printfEscapes(const QByteArray &bytes)
{
    QString escaped;
    for (const char byte : bytes)
        escaped += QStringLiteral("\\0%1").arg(uint(uchar(byte)), 3, 8, QLatin1Char('0'));
    return escaped;
}
} // namespace

// The program's command line: --help, --version and unknown options as the real program answers
// them, and the file named on it, opened after the usual start.
class tst_CommandLine : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void cleanup();

    void answersWithoutStarting_data();
    void answersWithoutStarting();
    void fileArgument_data();
    void fileArgument();
    void namedFileIsOpenedAfterStart_data();
    void namedFileIsOpenedAfterStart();
    void unusualFileAtStart_data();
    void unusualFileAtStart();
    void cleanupTestCase();

private:
    QTemporaryDir m_dir;
};

void tst_CommandLine::initTestCase()
{
    QVERIFY(m_dir.isValid());
    keepProgramFilesIn(m_dir.path());
    QVERIFY(writeFile(m_dir.filePath(QStringLiteral("ann.kar")), annReading()));
    QVERIFY(writeFile(m_dir.filePath(QStringLiteral("ann.txt")), annReading()));
}

void tst_CommandLine::cleanup()
{
    closeAllForms();
}

void tst_CommandLine::cleanupTestCase()
{
    // QDir skips names that are not UTF-8, so the temporary folder cannot remove this one.
    ::unlink((QFile::encodeName(m_dir.path()) + "/" + NotUtf8Name).constData());
}

void tst_CommandLine::answersWithoutStarting_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("output");      // a pattern for the whole standard output
    QTest::addColumn<QString>("errors");      // the whole standard error
    QTest::addColumn<bool>("withoutDisplay"); // run from a terminal with no display at all

    const QString usage = QStringLiteral("Usage: \\S*LumoFreeTessaray \\[options\\] \\[file\\]\\n"
                                         "Karmic astrology and numerology readings from a name "
                                         "and a date of birth\\.\\n.*"
                                         "-v, --version .*"
                                         "file +A saved Karmic Astrology reading \\(\\.kar\\) to "
                                         "open\\.\\n");
    const QString version = QStringLiteral("LumoFreeTessaray 1\\.20\\n");
    // clang-format off
    QTest::newRow("--help")               << QStringList{"--help"}            << 0 << usage   << ""                                           << false;
    QTest::newRow("--help, no display")   << QStringList{"--help"}            << 0 << usage   << ""                                           << true;
    QTest::newRow("-h, with a file")      << QStringList{"-h", "ann.kar"}     << 0 << usage   << ""                                           << false;
    QTest::newRow("--version")            << QStringList{"--version"}         << 0 << version << ""                                           << false;
    QTest::newRow("-v, no display")       << QStringList{"-v"}                << 0 << version << ""                                           << true;
    QTest::newRow("unknown option")       << QStringList{"--open", "ann.kar"} << 1 << ""      << "LumoFreeTessaray: Unknown option 'open'.\n" << false;
    QTest::newRow("unknown short option") << QStringList{"-x"}                << 1 << ""      << "LumoFreeTessaray: Unknown option 'x'.\n"    << false;
    // clang-format on
}

void tst_CommandLine::answersWithoutStarting()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, exitCode);
    QFETCH(QString, output);
    QFETCH(QString, errors);
    QFETCH(bool, withoutDisplay);

    QProcess program;
    program.setWorkingDirectory(m_dir.path());
    if (withoutDisplay) {
        QProcessEnvironment terminal = QProcessEnvironment::systemEnvironment();
        for (const char *name : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"})
            terminal.remove(QString::fromLatin1(name));
        program.setProcessEnvironment(terminal);
    }
    program.start(QStringLiteral(PROGRAM), arguments);
    // A program that started as usual would still be running.
    if (!program.waitForFinished(15000)) {
        program.kill();
        program.waitForFinished();
        QFAIL("the program did not end");
    }

    QCOMPARE(program.exitStatus(), QProcess::NormalExit);
    QCOMPARE(program.exitCode(), exitCode);
    const QString printed = QString::fromLocal8Bit(program.readAllStandardOutput());
    const QRegularExpression pattern(QRegularExpression::anchoredPattern(output),
                                     QRegularExpression::DotMatchesEverythingOption);
    QVERIFY2(pattern.match(printed).hasMatch(), qPrintable(printed));
    QCOMPARE(QString::fromLocal8Bit(program.readAllStandardError()), errors);
}

void tst_CommandLine::fileArgument_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("file");

    const QString current = QDir::currentPath();
    // clang-format off
    QTest::newRow("no file")          << QStringList{}                                       << "";
    QTest::newRow("empty text")       << QStringList{""}                                     << "";
    QTest::newRow("absolute path")    << QStringList{"/home/ann/ann.kar"}                    << "/home/ann/ann.kar";
    QTest::newRow("relative path")    << QStringList{"readings/ann.kar"}                     << current + "/readings/ann.kar";
    QTest::newRow("file address")     << QStringList{"file:///home/ann/my%20ann.kar"}        << "/home/ann/my ann.kar";
    QTest::newRow("localhost")        << QStringList{"file://localhost/home/ann/ann.kar"}    << "/home/ann/ann.kar";
    // Kept as the address, to be refused by it when it is opened.
    QTest::newRow("another computer") << QStringList{"file://host.example/home/ann/ann.kar"} << "file://host.example/home/ann/ann.kar";
    QTest::newRow("after --")         << QStringList{"--", "-ann.kar"}                       << current + "/-ann.kar";
    // clang-format on
}

void tst_CommandLine::fileArgument()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, file);

    QCOMPARE(processCommandLine(QStringList{"LumoFreeTessaray"} + arguments), file);
}

void tst_CommandLine::namedFileIsOpenedAfterStart_data()
{
    QTest::addColumn<QString>("fileName");
    QTest::addColumn<QString>("reading");
    QTest::addColumn<QStringList>("messages");

    // clang-format off
    QTest::newRow("saved reading") << "ann.kar"  << "ANN: Virgo" << QStringList{};
    QTest::newRow("refused file")  << "ann.txt"  << ""           << QStringList{"Please Check The File."};
    QTest::newRow("missing file")  << "none.kar" << ""           << QStringList{"Please Check The File."};
    // clang-format on
}

void tst_CommandLine::namedFileIsOpenedAfterStart()
{
    QFETCH(QString, fileName);
    QFETCH(QString, reading);
    QFETCH(QStringList, messages);

    // The update reminder starts afresh, so the program asks nothing as it starts.
    QSettings().remove(ReminderGroup + u'/' + ReminderValueName);
    ScriptedDesktop desktop;
    const QString file =
        processCommandLine({QStringLiteral("LumoFreeTessaray"), m_dir.filePath(fileName)});
    const std::unique_ptr<SingleInstance> running = startProgram(*qApp, file);
    QVERIFY(running);

    QVERIFY(loadedForm<frmMDI>()->isVisible());
    QCOMPARE(shownReading(), reading);
    QCOMPARE(desktop.messageHeadlines(), messages);
}

void tst_CommandLine::unusualFileAtStart_data()
{
    QTest::addColumn<QByteArray>("argument"); // the bytes on the command line
    QTest::addColumn<QString>("reading");     // shown once the start is done
    QTest::addColumn<QString>("refused");     // the file named by the refusal, or empty

    const QString dir = m_dir.path();
    // clang-format off
    QTest::newRow("FIFO")                             << QByteArray("fifo.kar") << ""           << dir + "/fifo.kar";
    QTest::newRow("link to a device")                 << QByteArray("ptmx.kar") << ""           << dir + "/ptmx.kar";
    QTest::newRow("name not UTF-8")                   << NotUtf8Name            << "ANN: Virgo" << "";
    QTest::newRow("file address of a name not UTF-8") << QByteArray("file://" + QFile::encodeName(dir) + "/bad%FF%FE.kar") << "ANN: Virgo" << "";
    // clang-format on
}

// The program is started on a real file system object named on its command line: its start ends
// (or the test fails after a deadline) and the file is opened or refused.
void tst_CommandLine::unusualFileAtStart()
{
    QFETCH(QByteArray, argument);
    QFETCH(QString, reading);
    QFETCH(QString, refused);

    const QByteArray dir = QFile::encodeName(m_dir.path());
    if (!QFileInfo::exists(m_dir.filePath("fifo.kar")))
        QCOMPARE(::mkfifo(dir + "/fifo.kar", 0600), 0);
    if (!QFileInfo::exists(QStringLiteral("/dev/ptmx")))
        QSKIP("this system has no /dev/ptmx");
    QFile::link(QStringLiteral("/dev/ptmx"), m_dir.filePath("ptmx.kar"));
    const int fd = ::open(dir + "/" + NotUtf8Name, O_WRONLY | O_CREAT | O_TRUNC, 0600);
    QVERIFY(fd >= 0);
    const QByteArray ann = annReading();
    QCOMPARE(::write(fd, ann.constData(), ann.size()), ssize_t(ann.size()));
    ::close(fd);

    // QProcess would pass the argument through QFile::encodeName; the shell passes the bytes.
    QProcess program;
    program.setWorkingDirectory(m_dir.path());
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("LUMO_PROBE_SHOW_READING"), QStringLiteral("1"));
    program.setProcessEnvironment(environment);
    program.start(QStringLiteral("/bin/sh"), {"-c", "exec \"$0\" \"$(printf '%b' \"$1\")\"",
                                              PROGRAM_PROBE, printfEscapes(argument)});
    if (!program.waitForFinished(15000)) {
        program.kill();
        program.waitForFinished();
        QFAIL("the program hung on the file");
    }

    const QStringList printed =
        QString::fromLocal8Bit(program.readAllStandardOutput()).split(u'\n');
    QStringList expected;
    if (!refused.isEmpty())
        expected << "message: Please Check The File." << refused + ": It is not a regular file.";
    expected << "reading: " + reading << "";
    QCOMPARE(printed, expected);
}

QTEST_MAIN(tst_CommandLine)
#include "tst_commandline.moc"
