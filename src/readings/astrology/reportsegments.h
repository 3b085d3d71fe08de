#pragma once

#include "nodereading.h"

#include <QList>
#include <QString>

namespace Lumo {

// One piece of the Karmic Astrology report, inserted at the caret of the report box with its
// own character emphasis and colour. Default leaves the box's setting as it is.
struct ReportSegment
{
    QString text;
    enum class Emphasis { Default, On, Off } emphasis = Emphasis::Default;
    enum class Colour { Default, Black, Red } colour = Colour::Default;
};

// The texts of one reading as the input and display forms show them.
struct ReportFields
{
    QString name;
    QString monthText, dayText, yearText;
    QString northNodeExplanation, northSign, northKeywords, northDescription;
    QString southNodeExplanation, southSign, southKeywords, southDescription;
};

// The texts the report shows for a reading, as its display form shows them.
ReportFields reportFields(const NodeReadingData &reading);

// The 22 segments of the report, in order: a header line with the vendor's home address, ten
// label (emphasis on, black) and value (emphasis off, red) pairs, and a closing line with the
// address that keeps the settings of the last value.
QList<ReportSegment> reportSegments(const ReportFields &fields, const QString &vendorHomeAddress);

} // namespace Lumo
