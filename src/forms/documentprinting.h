#pragma once

#include <QAbstractPrintDialog>
#include <QString>

class QPrinter;
class QTextDocument;

namespace Lumo {

// What the print dialog offers for a document: a printer or a PDF file, the page size and collated
// copies.
inline constexpr QAbstractPrintDialog::PrintDialogOptions DocumentPrintOptions =
    QAbstractPrintDialog::PrintToFile | QAbstractPrintDialog::PrintShowPageSize |
    QAbstractPrintDialog::PrintCollateCopies;

// Prints the whole document to the printer. When the printer writes a PDF file, the file is
// written whole or not at all (an earlier file of that name stays as it was when writing fails),
// with the printer's page layout and resolution, and the PDF's title is the printer's docName().
// Gives an empty text on success, otherwise why the document could not be printed, in words.
QString printDocument(const QTextDocument &document, QPrinter &printer);

// The message for a print that failed: "The <what> could not be printed." and, on a second line,
// the file (or the printer) and why.
QString printFailureMessage(const QString &what, const QPrinter &printer, const QString &reason);

// The message for a file that could not be saved: "The file could not be saved." and, on a second
// line, the file and why.
QString saveFailureMessage(const QString &fileName, const QString &reason);

} // namespace Lumo
