#pragma once

#include <QDate>
#include <QLocale>
#include <QString>

class QWidget;

namespace Lumo {

// Asks about once a fortnight whether to look for a newer version of the program. The date it
// last asked (or first ran) is kept as ISO text (2026-12-10) in the per-user settings; the
// shifted locale date older builds kept is still read. On the first run it only stores today. A
// stored text that is no date is replaced by today without asking. The question, and the message
// should no browser open the download page, go above the given window.
void UpdateReminder(QWidget *parent = nullptr);

// Where the reminder date lives in the program's settings (those of the application object's
// organization and application name).
inline const QString ReminderGroup = QStringLiteral("Settings");
inline const QString ReminderValueName = QStringLiteral("ReminderDate");

// The question, on two lines.
QString updateQuestion();

// The reminder date as older builds stored it, before the shift: the locale's short date with a
// four-digit year, or the ISO date when that text would not come back through the shift as the same
// date.
QString reminderDateText(const QDate &date, const QLocale &locale);

// The date of a stored text (after the shift is undone): an ISO date or the locale's short date
// with a four-digit year. Invalid when the text is neither.
QDate parseReminderDate(const QString &text, const QLocale &locale);

// True when the reminder date lies more than 14 days before or after today.
bool isReminderDue(const QDate &reminderDate, const QDate &today);

} // namespace Lumo
