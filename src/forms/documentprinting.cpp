#include "documentprinting.h"

#include "common/wholefile.h"

#include <QBuffer>
#include <QDir>
#include <QPdfWriter>
#include <QPrinter>
#include <QTextDocument>

namespace Lumo {

namespace {

// The PDF as the printer would write it, drawn in memory: the printer writes its file as it
// goes, and on a full disk would leave the first part of it with no word of the failure.
QByteArray pdfOf(const QTextDocument &document, const QPrinter &printer)
{
    QBuffer pdf;
    pdf.open(QIODevice::WriteOnly);
    QPdfWriter writer(&pdf);
    writer.setTitle(printer.docName());
    writer.setCreator(printer.creator());
    writer.setPdfVersion(printer.pdfVersion());
    writer.setResolution(printer.resolution());
    writer.setPageLayout(printer.pageLayout());
    writer.setPageRanges(printer.pageRanges());
    document.print(&writer);
    return pdf.data();
}

} // namespace

QString printDocument(const QTextDocument &document, QPrinter &printer)
{
    if (printer.outputFormat() == QPrinter::PdfFormat && !printer.outputFileName().isEmpty()) {
        const QByteArray pdf = pdfOf(document, printer);
        if (pdf.isEmpty())
            return QStringLiteral("The document could not be drawn.");
        return writeWholeFile(printer.outputFileName(), pdf);
    }
    document.print(&printer);
    if (printer.printerState() == QPrinter::Error || printer.printerState() == QPrinter::Aborted)
        return QStringLiteral("The printer did not take the document.");
    return QString();
}

QString printFailureMessage(const QString &what, const QPrinter &printer, const QString &reason)
{
    const QString target = printer.outputFileName().isEmpty()
                               ? printer.printerName()
                               : QDir::toNativeSeparators(printer.outputFileName());
    return QStringLiteral("The %1 could not be printed.\n%2: %3").arg(what, target, reason);
}

QString saveFailureMessage(const QString &fileName, const QString &reason)
{
    return QStringLiteral("The file could not be saved.\n%1: %2")
        .arg(QDir::toNativeSeparators(fileName), reason);
}

} // namespace Lumo
