#pragma once

#include <QByteArray>
#include <QIODevice>
#include <QString>

namespace Lumo {

// The four fields of a ".kar" file, decoded back into plain text.
struct KarFields
{
    QString name;
    QString day;
    QString monthName;
    QString year;
};

// Bytes of a ".kar" file: the name, the day, the month name and the year, each as one line of
// ShiftEncode text in single-byte (Latin-1) codes, ended by CR LF. Characters above code 170
// do not survive the shift and are dropped.
QByteArray encodeKarFile(const QString &name, int day, const QString &monthName, int year);

// Reads a ".kar" file from the current position of the device: up to five lines, of which the
// first four are the fields (ShiftDecode of the Latin-1 line) and the fifth is ignored. A line
// ends at CR LF, a lone LF or a lone CR; missing lines give empty fields. The read is bounded,
// so a huge or binary file chosen by mistake only yields fields that match nothing.
KarFields readKarFile(QIODevice &device);

// True when the last three characters of the name are exactly "kar" (case-sensitive).
bool isKarFileName(const QString &fileName);

} // namespace Lumo
