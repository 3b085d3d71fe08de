#pragma once

#include <QList>
#include <QString>

namespace Lumo {

// The digits 1..9 that no capital letter of the full name stands for, ascending.
QList<int> missingLessonDigits(const QString &fullName);

// The reading's first line: "Your Karmic Lesson Number is: " and each digit after a space.
QString karmicLessonHeadline(const QList<int> &digits);

// What karmic lessons are, shown under the first line.
const QString &karmicLessonExplanation();

// The lesson of a digit 1..9; empty for any other number.
QString karmicLessonDescription(int digit);

// Said in place of the lessons when the name holds every number from 1 to 9.
const QString &noKarmicLessonSentence();

// The whole text of the Karmic Lesson Number reading, CR LF line breaks: the first line, the
// explanation, and each missing digit with its lesson. A name that holds every number from 1 to
// 9 is told in one sentence that it has no lesson to learn.
QString karmicLessonReading(const QString &fullName);

} // namespace Lumo
