#pragma once

#include <QList>
#include <QString>

namespace Lumo {

// The digits 1..9 that no capital letter of the full name stands for, ascending.
QList<int> missingLessonDigits(const QString &fullName);

// The lesson of a digit 1..9; empty for any other number.
QString karmicLessonDescription(int digit);

// The whole text of the Karmic Lesson Number reading, CR LF line breaks. A name that holds every
// number from 1 to 9 is told in one sentence that it has no lesson to learn.
QString karmicLessonReading(const QString &fullName);

} // namespace Lumo
