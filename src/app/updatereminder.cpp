#include "updatereminder.h"

#include "common/names.h"
#include "common/shift.h"
#include "common/vendorpages.h"
#include "forms/desktop.h"

#include <QRegularExpression>
#include <QSettings>

#include <algorithm>

namespace Lumo {

namespace {
constexpr int ReminderIntervalDays = 14;
// ShiftEncode drops every code above this one.
constexpr char16_t HighestShiftableCode = 170;

// The locale's short date format with a two-digit year widened to four digits: a two-digit year
// would be read back a century early.
QString shortFormatWithFullYear(const QLocale &locale)
{
    QString format = locale.dateFormat(QLocale::ShortFormat);
    if (!format.contains(QLatin1String("yyyy"))) {
        static const QRegularExpression twoDigitYear(QStringLiteral("(?<!y)yy(?!y)"));
        format.replace(twoDigitYear, QStringLiteral("yyyy"));
    }
    return format;
}

bool survivesShift(const QString &text)
{
    return std::all_of(text.cbegin(), text.cend(),
                       [](QChar c) { return c.unicode() <= HighestShiftableCode; });
}

// The stored reminder date: ISO text as stored now, or the shifted locale date older builds
// stored (invalid when it is neither).
QDate readReminderDate()
{
    const QString stored = QSettings().value(ReminderGroup + u'/' + ReminderValueName).toString();
    const QDate isoDate = QDate::fromString(stored, Qt::ISODate);
    if (isoDate.isValid())
        return isoDate;
    return parseReminderDate(ShiftDecode(stored), QLocale());
}

void storeReminderDate(const QDate &date)
{
    QSettings().setValue(ReminderGroup + u'/' + ReminderValueName, date.toString(Qt::ISODate));
}
} // namespace

QString updateQuestion()
{
    // The program's line break: a lone carriage return would not break the line in a message box.
    return QStringLiteral("There maybe an update to this software available") + CrLf +
           QStringLiteral("Do you want to check for an update?");
}

QString reminderDateText(const QDate &date, const QLocale &locale)
{
    const QString format = shortFormatWithFullYear(locale);
    const QString text = locale.toString(date, format);
    if (survivesShift(text) && locale.toDate(text, format) == date)
        return text;
    return date.toString(Qt::ISODate);
}

QDate parseReminderDate(const QString &text, const QLocale &locale)
{
    const QDate isoDate = QDate::fromString(text, Qt::ISODate);
    if (isoDate.isValid())
        return isoDate;
    return locale.toDate(text, shortFormatWithFullYear(locale));
}

bool isReminderDue(const QDate &reminderDate, const QDate &today)
{
    const qint64 daysAway = today.daysTo(reminderDate);
    return daysAway < -ReminderIntervalDays || daysAway > ReminderIntervalDays;
}

void UpdateReminder(QWidget *parent)
{
    const QDate today = Desktop::instance().today();
    const QDate reminderDate = readReminderDate();
    if (!reminderDate.isValid()) {
        // None yet, or unreadable (say, written under another date format): start the fortnight
        // afresh.
        storeReminderDate(today);
        return;
    }
    if (!isReminderDue(reminderDate, today))
        return;

    const QMessageBox::StandardButton answer = Desktop::instance().message(
        parent, updateQuestion(), QMessageBox::Information, QMessageBox::Yes | QMessageBox::No);
    storeReminderDate(today);
    if (answer == QMessageBox::Yes)
        OpenVendorPage(Page::Download, parent);
}

} // namespace Lumo
