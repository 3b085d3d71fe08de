#include "forms/documentprinting.h"
#include "support/fullfilesystem.h"

#include <QDir>
#include <QPrinter>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTextDocument>

#include <optional>

using namespace Lumo;
using namespace Lumo::Testing;

// Printing a document, above all into a PDF file: the file has the printer's title and page
// layout, and a file that cannot be written whole is not written at all and says why.
class tst_DocumentPrinting : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();

    void pdfHasThePrintersTitleAndPages_data();
    void pdfHasThePrintersTitleAndPages();
    void failedPdfLeavesTheEarlierFile_data();
    void failedPdfLeavesTheEarlierFile();

private:
    QString path(const QString &fileName) const { return m_dir->filePath(fileName); }

    std::optional<QTemporaryDir> m_dir;
};

namespace {

// A document of some pages of text, its paragraphs numbered.
void fillDocument(QTextDocument &document, int paragraphs)
{
    QString html;
    for (int i = 1; i <= paragraphs; ++i) {
        html += QStringLiteral("<p><b>Paragraph %1.</b> The North Node of the Moon reflects "
                               "those kinds of experiences that need to be developed.</p>")
                    .arg(i);
    }
    document.setHtml(html);
}

// What a poppler tool prints about the file, or an empty text when it is not installed.
QString poppler(const QString &tool, const QStringList &arguments)
{
    const QString program = QStandardPaths::findExecutable(tool);
    if (program.isEmpty())
        return QString();
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished();
    return QString::fromUtf8(process.readAllStandardOutput());
}

// One field of pdfinfo's report ("Title", "Page size", "Pages").
QString pdfInfo(const QString &file, const QString &field)
{
    const QStringList lines = poppler(QStringLiteral("pdfinfo"), {file}).split(u'\n');
    for (const QString &line : lines) {
        if (line.startsWith(field + u':'))
            return line.mid(field.size() + 1).trimmed();
    }
    return QString();
}

QByteArray fileBytes(const QString &fileName)
{
    QFile file(fileName);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

void tst_DocumentPrinting::init()
{
    m_dir.emplace();
    QVERIFY(m_dir->isValid());
}

void tst_DocumentPrinting::pdfHasThePrintersTitleAndPages_data()
{
    QTest::addColumn<QString>("title");
    QTest::addColumn<QPageSize::PageSizeId>("pageSize");
    QTest::addColumn<QPageLayout::Orientation>("orientation");
    QTest::addColumn<int>("paragraphs");
    QTest::addColumn<QString>("pdfPageSize"); // as pdfinfo reports it
    QTest::addColumn<int>("minimumPages");

    // clang-format off
    QTest::newRow("A4, one page")        << "Karmic Astrology Report of ANN" << QPageSize::A4     << QPageLayout::Portrait  << 3   << "595 x 842 pts (A4)"     << 1;
    QTest::newRow("A5 landscape, pages") << "Ä report, \"quoted\" (1)"       << QPageSize::A5     << QPageLayout::Landscape << 120 << "595 x 420 pts (A5)"     << 4;
    QTest::newRow("Letter, no title")    << ""                               << QPageSize::Letter << QPageLayout::Portrait  << 3   << "612 x 792 pts (letter)" << 1;
    // clang-format on
}

void tst_DocumentPrinting::pdfHasThePrintersTitleAndPages()
{
    QFETCH(QString, title);
    QFETCH(QPageSize::PageSizeId, pageSize);
    QFETCH(QPageLayout::Orientation, orientation);
    QFETCH(int, paragraphs);
    QFETCH(QString, pdfPageSize);
    QFETCH(int, minimumPages);

    QTextDocument document;
    fillDocument(document, paragraphs);
    QPrinter printer;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path("report.pdf"));
    printer.setDocName(title);
    printer.setPageSize(QPageSize(pageSize));
    printer.setPageOrientation(orientation);

    QCOMPARE(printDocument(document, printer), QString());
    QVERIFY(fileBytes(path("report.pdf")).startsWith("%PDF-"));
    QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files | QDir::Hidden), {"report.pdf"});

    if (QStandardPaths::findExecutable(QStringLiteral("pdfinfo")).isEmpty())
        QSKIP("pdfinfo (poppler-utils) is not installed; only the PDF header was checked");
    QCOMPARE(pdfInfo(path("report.pdf"), "Title"), title);
    QCOMPARE(pdfInfo(path("report.pdf"), "Page size"), pdfPageSize);
    QVERIFY2(pdfInfo(path("report.pdf"), "Pages").toInt() >= minimumPages,
             qPrintable(pdfInfo(path("report.pdf"), "Pages")));
    // Every paragraph is in it, the last one too.
    const QString text = poppler(QStringLiteral("pdftotext"), {path("report.pdf"), "-"});
    QVERIFY(text.contains(QStringLiteral("Paragraph 1.")));
    QVERIFY(text.contains(QStringLiteral("Paragraph %1.").arg(paragraphs)));
}

void tst_DocumentPrinting::failedPdfLeavesTheEarlierFile_data()
{
    QTest::addColumn<QString>("target");
    QTest::addColumn<int>("room"); // bytes left free on a full tmpfs; -1: no tmpfs
    QTest::addColumn<QString>("reason");

    // clang-format off
    QTest::newRow("folder missing")              << "no/such/folder/report.pdf" << -1   << "No such file or directory";
    QTest::newRow("folder in the way")           << "taken.pdf"                 << -1   << "Filename refers to a directory";
    QTest::newRow("full disk, earlier file")     << "full/report.pdf"           << 0    << "No space left on device";
    // The PDF is longer than the room left: its writing is cut short part way.
    QTest::newRow("disk full part way, earlier") << "full/report.pdf"           << 4096 << "No space left on device";
    // clang-format on
}

void tst_DocumentPrinting::failedPdfLeavesTheEarlierFile()
{
    QFETCH(QString, target);
    QFETCH(int, room);
    QFETCH(QString, reason);

    const EarlierFile earlier(path(target), "an earlier report", room);
    if (!earlier.skipReason.isEmpty())
        QSKIP(qPrintable(earlier.skipReason));
    QVERIFY(earlier.ready);
    QVERIFY(QDir(m_dir->path()).mkdir("taken.pdf"));

    QTextDocument document;
    fillDocument(document, 40);
    QPrinter printer;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path(target));
    printer.setDocName(QStringLiteral("Report"));
    const QString failure = printDocument(document, printer);

    QCOMPARE(failure, reason);
    QVERIFY(QFileInfo(path("taken.pdf")).isDir());
    QVERIFY(!QFileInfo::exists(path("no")));
    // The earlier file as it was, and no part of the new one beside it.
    QVERIFY(earlier.untouched());
}

QTEST_MAIN(tst_DocumentPrinting)
#include "tst_documentprinting.moc"
