#pragma once

#include <QByteArray>
#include <QIODevice>
#include <QString>

#include <optional>

namespace Lumo {

// The four fields of a ".kar" file, decoded back into plain text.
struct KarFields
{
    QString name;
    QString day;
    QString monthName;
    QString year;
};

// A saved reading read from a file, or why it was refused.
struct SavedReadingFile
{
    std::optional<KarFields> fields; // set when the file holds a reading the form can show
    QString refusal;                 // otherwise why not, in words for the user
};

// Reads the saved reading at filePath and checks it fully before anything is shown: a file:
// address of a file on another computer is refused, the name must end in "kar", the path must lead
// to a regular file (a FIFO, socket or device, or a link to one, is refused without being opened
// for a blocking read), the file must hold a saved reading (readKarFile), and its day, month name
// and year must be what the input form's lists hold and a real calendar date.
SavedReadingFile readSavedReading(const QString &filePath);
// The checks of the file's contents alone, from the current position of the device.
SavedReadingFile readSavedReading(QIODevice &device);

// The message for a refused file: "Please Check The File." and, on a second line, the file and
// why it was refused.
QString savedReadingRefusalMessage(const QString &filePath, const QString &refusal);

// Bytes of a ".kar" file: the name, the day, the month name and the year, each as one line of
// ShiftEncode text in single-byte (Latin-1) codes, ended by CR LF. Characters above code 170
// do not survive the shift and are dropped.
QByteArray encodeKarFile(const QString &name, int day, const QString &monthName, int year);

// Reads a ".kar" file from the current position of the device: the first four lines are the
// fields (ShiftDecode of the Latin-1 line); anything after them is ignored. A line ends at CR LF,
// a lone LF or a lone CR. Gives nothing when the file has fewer than four lines or its name is
// empty, only spaces, or holds control characters, so a file that is not a saved reading is refused
// as a whole. The read is bounded, so a huge or binary file chosen by mistake cannot hang the
// program.
std::optional<KarFields> readKarFile(QIODevice &device);

// True when the last three characters of the name are exactly "kar" (case-sensitive).
bool isKarFileName(const QString &fileName);

} // namespace Lumo
