#include "app/frmmdi.h"
#include "app/startup.h"
#include "support/programfolders.h"
#include "support/readingfixture.h"
#include "support/savedreading.h"
#include "support/scripteddesktop.h"

#include <QDir>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

using namespace Lumo;
using namespace Lumo::Testing;

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

void tst_CommandLine::answersWithoutStarting_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("output"); // a pattern for the whole standard output
    QTest::addColumn<QString>("errors"); // the whole standard error

    const QString usage = QStringLiteral("Usage: \\S*LumoFreeTessaray \\[options\\] \\[file\\]\\n"
                                         "Karmic astrology and numerology readings from a name "
                                         "and a date of birth\\.\\n.*"
                                         "-v, --version .*"
                                         "file +A saved Karmic Astrology reading \\(\\.kar\\) to "
                                         "open\\.\\n");
    QTest::newRow("--help") << QStringList{"--help"} << 0 << usage << "";
    QTest::newRow("-h, with a file") << QStringList{"-h", "ann.kar"} << 0 << usage << "";
    QTest::newRow("--version") << QStringList{"--version"} << 0 << "LumoFreeTessaray 1\\.20\\n"
                               << "";
    QTest::newRow("-v") << QStringList{"-v"} << 0 << "LumoFreeTessaray 1\\.20\\n"
                        << "";
    QTest::newRow("unknown option") << QStringList{"--open", "ann.kar"} << 1 << ""
                                    << "LumoFreeTessaray: Unknown option 'open'.\n";
    QTest::newRow("unknown short option") << QStringList{"-x"} << 1 << ""
                                          << "LumoFreeTessaray: Unknown option 'x'.\n";
}

void tst_CommandLine::answersWithoutStarting()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, exitCode);
    QFETCH(QString, output);
    QFETCH(QString, errors);

    QProcess program;
    program.setWorkingDirectory(m_dir.path());
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
    QTest::newRow("no file") << QStringList{} << "";
    QTest::newRow("empty text") << QStringList{""} << "";
    QTest::newRow("absolute path") << QStringList{"/home/ann/ann.kar"} << "/home/ann/ann.kar";
    QTest::newRow("relative path")
        << QStringList{"readings/ann.kar"} << current + "/readings/ann.kar";
    QTest::newRow("file address") << QStringList{"file:///home/ann/my%20ann.kar"}
                                  << "/home/ann/my ann.kar";
    QTest::newRow("after --") << QStringList{"--", "-ann.kar"} << current + "/-ann.kar";
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

    QTest::newRow("saved reading") << "ann.kar"
                                   << "ANN: Virgo" << QStringList{};
    QTest::newRow("refused file") << "ann.txt"
                                  << "" << QStringList{"Please Check The File."};
    QTest::newRow("missing file") << "none.kar"
                                  << "" << QStringList{"Please Check The File."};
}

void tst_CommandLine::namedFileIsOpenedAfterStart()
{
    QFETCH(QString, fileName);
    QFETCH(QString, reading);
    QFETCH(QStringList, messages);

    ScriptedDesktop desktop;
    const QString file =
        processCommandLine({QStringLiteral("LumoFreeTessaray"), m_dir.filePath(fileName)});
    const std::unique_ptr<SingleInstance> running = startProgram(*qApp, file);
    QVERIFY(running);

    QVERIFY(Forms::loaded<frmMDI>()->isVisible());
    QCOMPARE(shownReading(), reading);
    QCOMPARE(desktop.messageHeadlines(), messages);
}

QTEST_MAIN(tst_CommandLine)
#include "tst_commandline.moc"
