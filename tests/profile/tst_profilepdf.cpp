#include "profile/frmkarmicprofiledisplay.h"
#include "support/fullfilesystem.h"
#include "support/readingfixture.h"
#include "support/scripteddesktop.h"

#include <QAction>
#include <QDir>
#include <QLineEdit>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTextDocument>

#include <optional>

using namespace Lumo;
using namespace Lumo::Testing;
using namespace Lumo::Testing::FormsFixture;

namespace {

// What a poppler tool prints about the file.
QString poppler(const QString &tool, const QStringList &arguments)
{
    QProcess process;
    process.start(QStandardPaths::findExecutable(tool), arguments);
    process.waitForFinished();
    return QString::fromUtf8(process.readAllStandardOutput());
}

QString pdfTitle(const QString &file)
{
    const QStringList lines = poppler(QStringLiteral("pdfinfo"), {file}).split(u'\n');
    for (const QString &line : lines) {
        if (line.startsWith(QLatin1String("Title:")))
            return line.mid(6).trimmed();
    }
    return QString();
}

// Text with every run of white space, line and page breaks among them, as one space, and the
// ligatures a PDF draws ("ﬂ") as their letters.
QString words(const QString &text)
{
    static const QRegularExpression space(QStringLiteral("\\s+"));
    return text.normalized(QString::NormalizationForm_KC)
        .replace(space, QStringLiteral(" "))
        .trimmed();
}

// The words of a PDF's pages, without the page number at the foot of each.
QString printedWords(const QString &file)
{
    QStringList pages = poppler(QStringLiteral("pdftotext"), {file, "-"}).split(u'\f');
    for (qsizetype i = 0; i < pages.size(); ++i) {
        QString page = pages.at(i).trimmed();
        const QString number = QString::number(i + 1);
        if (page.endsWith(u'\n' + number))
            page.chop(number.size());
        pages[i] = page;
    }
    return words(pages.join(u' '));
}

frmKarmicProfileDisplay *showProfile()
{
    InputForm *input = openInputForm(Profile);
    control<QLineEdit>(input, "txtFirstName")->setText(QStringLiteral("ANN"));
    control<QLineEdit>(input, "txtMiddleName")->setText(QStringLiteral("MARIE"));
    control<QLineEdit>(input, "txtLastName")->setText(QStringLiteral("LEE"));
    pickDate(input, QStringLiteral("5"), QStringLiteral("May"), QStringLiteral("1960"));
    clickNext(input);
    return loadedForm<frmKarmicProfileDisplay>();
}

} // namespace

// The profile printed and saved as a PDF file, read back with poppler's tools.
class tst_ProfilePdf : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup() { closeReadingForms(); }
    void cleanupTestCase();

    void savedPdfHoldsTheWholeProfile();
    void printGoesThroughThePrintDialog_data();
    void printGoesThroughThePrintDialog();
    void cancelledDialogsWriteNothing();
    void failedSaveKeepsTheEarlierFile_data();
    void failedSaveKeepsTheEarlierFile();

private:
    QString path(const QString &fileName) const { return m_dir->filePath(fileName); }

    ScriptedDesktop m_desktop;
    std::optional<QTemporaryDir> m_dir;
};

void tst_ProfilePdf::initTestCase()
{
    QStandardPaths::setTestModeEnabled(true);
    QApplication::setQuitOnLastWindowClosed(false);
    for (const char *tool : {"pdfinfo", "pdftotext"}) {
        if (QStandardPaths::findExecutable(QLatin1String(tool)).isEmpty())
            QFAIL(qPrintable(QStringLiteral("%1 (poppler-utils) is not installed").arg(tool)));
    }
    mainWindow();
}

void tst_ProfilePdf::init()
{
    m_dir.emplace();
    QVERIFY(m_dir->isValid());
    m_desktop.messages.clear();
    m_desktop.fileRequests.clear();
    m_desktop.fileNames.clear();
    m_desktop.printDialogs = 0;
    m_desktop.printerSetup = nullptr;
}

void tst_ProfilePdf::cleanupTestCase()
{
    EndProgram();
    flushDeletes();
}

// The save dialog suggests the person's name; the PDF is titled after the person and holds every
// word of the profile as it shows, from the name at the top to the last section's last word.
void tst_ProfilePdf::savedPdfHoldsTheWholeProfile()
{
    frmKarmicProfileDisplay *display = showProfile();
    QVERIFY(display);
    m_desktop.fileNames.enqueue(path("ANN MARIE LEE.pdf"));

    QTest::mouseClick(button(display, "cmdSavePdf"), Qt::LeftButton);

    QCOMPARE(m_desktop.messageTexts(), QStringList());
    QCOMPARE(m_desktop.fileRequests.size(), 1);
    const FileDialogRequest &request = m_desktop.fileRequests.first();
    QCOMPARE(request.suggestedName, QStringLiteral("ANN MARIE LEE.pdf"));
    QCOMPARE(request.defaultSuffix, QStringLiteral("pdf"));
    QVERIFY(request.filter.contains(QLatin1String("*.pdf")));
    QCOMPARE(pdfTitle(path("ANN MARIE LEE.pdf")),
             QStringLiteral("Karmic Profile of ANN MARIE LEE"));
    const QString shown = words(display->document().toPlainText());
    QVERIFY(shown.startsWith(QLatin1String("ANN MARIE LEE Date Of Birth: May 5, 1960 Karmic "
                                           "Astrology North Node")));
    QVERIFY(shown.contains(QLatin1String("Zodiac Spiritual Sign")));
    QCOMPARE(printedWords(path("ANN MARIE LEE.pdf")), shown);
}

void tst_ProfilePdf::printGoesThroughThePrintDialog_data()
{
    QTest::addColumn<bool>("fromMenu");
    QTest::newRow("Print button") << false;
    QTest::newRow("File menu's Print") << true;
}

// The print dialog offers printing to a file, as the report's does; a PDF printed there carries
// the profile's title.
void tst_ProfilePdf::printGoesThroughThePrintDialog()
{
    QFETCH(bool, fromMenu);
    frmKarmicProfileDisplay *display = showProfile();
    QVERIFY(display);
    m_desktop.printerSetup = [this](QPrinter &printer) {
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(path("printed.pdf"));
    };

    if (fromMenu)
        control<QAction>(display, "mnuPrint")->trigger();
    else
        QTest::mouseClick(button(display, "cmdPrint"), Qt::LeftButton);

    QCOMPARE(m_desktop.printDialogs, 1);
    QVERIFY(m_desktop.printOptions.testFlag(QAbstractPrintDialog::PrintToFile));
    QVERIFY(m_desktop.printOptions.testFlag(QAbstractPrintDialog::PrintShowPageSize));
    QCOMPARE(m_desktop.printRange, QAbstractPrintDialog::AllPages);
    QCOMPARE(m_desktop.messageTexts(), QStringList());
    QCOMPARE(pdfTitle(path("printed.pdf")), QStringLiteral("Karmic Profile of ANN MARIE LEE"));
    QVERIFY(poppler(QStringLiteral("pdftotext"), {path("printed.pdf"), "-"})
                .contains(QLatin1String("Zodiac Soulmate Sign")));
}

void tst_ProfilePdf::cancelledDialogsWriteNothing()
{
    frmKarmicProfileDisplay *display = showProfile();
    QVERIFY(display);
    QTest::mouseClick(button(display, "cmdPrint"), Qt::LeftButton);
    control<QAction>(display, "mnuSavePdf")->trigger();

    QCOMPARE(m_desktop.printDialogs, 1);
    QCOMPARE(m_desktop.fileRequests.size(), 1);
    QCOMPARE(m_desktop.messageTexts(), QStringList());
    QCOMPARE(QDir(m_dir->path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), {});
    QVERIFY(display->isFormVisible());
}

void tst_ProfilePdf::failedSaveKeepsTheEarlierFile_data()
{
    QTest::addColumn<QString>("target");
    QTest::addColumn<int>("room"); // bytes left free on a full tmpfs; -1: no tmpfs
    QTest::addColumn<QString>("reason");

    // clang-format off
    QTest::newRow("full disk")          << "full/ANN.pdf"       << 0    << "No space left on device";
    QTest::newRow("disk full part way") << "full/ANN.pdf"       << 4096 << "No space left on device";
    QTest::newRow("folder missing")     << "gone/ANN.pdf"       << -1   << "No such file or directory";
    // clang-format on
}

// A save that fails leaves the earlier file as it was, no part of the new one beside it, and
// says which file and why; the profile stays on screen.
void tst_ProfilePdf::failedSaveKeepsTheEarlierFile()
{
    QFETCH(QString, target);
    QFETCH(int, room);
    QFETCH(QString, reason);
    const EarlierFile earlier(path(target), "an earlier profile", room);
    if (!earlier.skipReason.isEmpty())
        QSKIP(qPrintable(earlier.skipReason));
    QVERIFY(earlier.ready);
    frmKarmicProfileDisplay *display = showProfile();
    QVERIFY(display);
    m_desktop.fileNames.enqueue(path(target));

    QTest::mouseClick(button(display, "cmdSavePdf"), Qt::LeftButton);

    QCOMPARE(m_desktop.messageTexts(),
             QStringList(QStringLiteral("The file could not be saved.\n%1: %2")
                             .arg(QDir::toNativeSeparators(path(target)), reason)));
    QCOMPARE(m_desktop.messages.first().icon, QMessageBox::Critical);
    QVERIFY(display->isFormVisible());
    // The earlier file as it was, and no part of the new one beside it.
    QVERIFY(earlier.untouched());
    if (!earlier.full)
        QVERIFY(!QFileInfo::exists(path(target)));
}

QTEST_MAIN(tst_ProfilePdf)
#include "tst_profilepdf.moc"
