#include "app/frmmdi.h"
#include "app/startup.h"
#include "app/updatereminder.h"
#include "common/shift.h"
#include "common/vendorpages.h"
#include "support/formdriving.h"
#include "support/scripteddesktop.h"

#include <QFile>
#include <QSettings>
#include <QStandardPaths>
#include <QTest>

using namespace Lumo;
using Lumo::Testing::closeAllForms;
using Lumo::Testing::openedForm;
using Lumo::Testing::ScriptedDesktop;

namespace {
const QDate Today(2026, 1, 15);

QString settingsKey()
{
    return ReminderGroup + u'/' + ReminderValueName;
}

QString storedText()
{
    return QSettings().value(settingsKey()).toString();
}

// Stores a date text the way older builds did: shifted.
void storeText(const QString &plainText)
{
    QSettings().setValue(settingsKey(), ShiftEncode(plainText));
}

} // namespace

class tst_UpdateReminder : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void init();
    void cleanup();

    void reminder_data();
    void reminder();
    void dateIsStoredInTheProgramsSettingsFile();
    void dateText_data();
    void dateText();
    void fallsBackToIsoDateWhenShiftWouldDropCharacters();
    void inputForms_data();
    void inputForms();
};

void tst_UpdateReminder::initTestCase()
{
    setProgramIdentity();
    QStandardPaths::setTestModeEnabled(true);
    QVERIFY(QSettings().fileName().contains(QLatin1String(".qttest")));
    QLocale::setDefault(QLocale(QStringLiteral("en_US")));
}

void tst_UpdateReminder::init()
{
    QSettings().clear();
}

void tst_UpdateReminder::cleanup()
{
    closeAllForms();
}

void tst_UpdateReminder::reminder_data()
{
    QTest::addColumn<QString>("stored"); // null: nothing stored
    QTest::addColumn<bool>("shifted");   // stored the way older builds did
    QTest::addColumn<QMessageBox::StandardButton>("answer");
    QTest::addColumn<bool>("asks");
    QTest::addColumn<bool>("restarts"); // today is stored afterwards
    QTest::addColumn<bool>("opensDownloadPage");

    const auto No = QMessageBox::No;
    const auto Yes = QMessageBox::Yes;
    // clang-format off
    QTest::newRow("first run")                    << QString()    << false << No  << false << true  << false;
    QTest::newRow("14 days ago")                  << "1/1/2026"   << true  << No  << false << false << false;
    QTest::newRow("14 days ahead")                << "1/29/2026"  << true  << No  << false << false << false;
    QTest::newRow("15 days ago, No")              << "12/31/2025" << true  << No  << true  << true  << false;
    QTest::newRow("15 days ago, Yes")             << "12/31/2025" << true  << Yes << true  << true  << true;
    QTest::newRow("20 days ahead, No")            << "2/4/2026"   << true  << No  << true  << true  << false;
    QTest::newRow("shifted ISO date 15 days ago") << "2025-12-31" << true  << No  << true  << true  << false;
    QTest::newRow("ISO text 14 days ago")         << "2026-01-01" << false << No  << false << false << false;
    QTest::newRow("ISO text 15 days ago, Yes")    << "2025-12-31" << false << Yes << true  << true  << true;
    QTest::newRow("not a date")                   << "tomorrow"   << true  << Yes << false << true  << false;
    QTest::newRow("impossible date")              << "2/30/2026"  << true  << Yes << false << true  << false;
    QTest::newRow("impossible ISO text")          << "2026-02-30" << false << Yes << false << true  << false;
    // clang-format on
}

void tst_UpdateReminder::reminder()
{
    QFETCH(QString, stored);
    QFETCH(bool, shifted);
    QFETCH(QMessageBox::StandardButton, answer);
    QFETCH(bool, asks);
    QFETCH(bool, restarts);
    QFETCH(bool, opensDownloadPage);

    ScriptedDesktop desktop;
    desktop.todayDate = Today;
    desktop.answers.enqueue(answer);
    const QString storedValue = shifted ? ShiftEncode(stored) : stored;
    if (!stored.isNull())
        QSettings().setValue(settingsKey(), storedValue);

    UpdateReminder();

    QCOMPARE(desktop.messages.size(), asks ? 1 : 0);
    if (asks) {
        QCOMPARE(desktop.messages[0].text,
                 QStringLiteral("There maybe an update to this software available\r\n"
                                "Do you want to check for an update?"));
        QCOMPARE(desktop.messages[0].icon, QMessageBox::Information);
        QCOMPARE(desktop.messages[0].buttons, QMessageBox::Yes | QMessageBox::No);
    }
    QCOMPARE(storedText(), restarts ? QStringLiteral("2026-01-15") : storedValue);
    const QList<QUrl> expectedUrls =
        opensDownloadPage ? QList<QUrl>{vendorPageUrl(Page::Download)} : QList<QUrl>{};
    QCOMPARE(desktop.openedUrls, expectedUrls);

    // Whatever happened, a second call on the same day asks nothing.
    desktop.messages.clear();
    UpdateReminder();
    QVERIFY(desktop.messages.isEmpty());
}

void tst_UpdateReminder::dateIsStoredInTheProgramsSettingsFile()
{
#if !defined(Q_OS_UNIX) || defined(Q_OS_DARWIN)
    QSKIP("The settings are an INI file only where the native format is one");
#endif
    ScriptedDesktop desktop;
    desktop.todayDate = Today;
    UpdateReminder();

    const QString file = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
                         QStringLiteral("/LumoFreeTessaray/LumoFreeTessaray.conf");
    QCOMPARE(QSettings().fileName(), file);
    QSettings().sync();
    QFile stored(file);
    QVERIFY(stored.open(QIODevice::ReadOnly));
    const QByteArray text = stored.readAll();
    QVERIFY2(text.contains("[Settings]\nReminderDate=2026-01-15\n"), text.constData());
}

void tst_UpdateReminder::dateText_data()
{
    QTest::addColumn<QString>("localeName");
    QTest::addColumn<QString>("text");

    // clang-format off
    QTest::newRow("en_US, year widened")        << "en_US" << "1/15/2026";
    QTest::newRow("de_DE, year widened")        << "de_DE" << "15.01.2026";
    QTest::newRow("ko_KR, year widened")        << "ko_KR" << "2026. 1. 15.";
    QTest::newRow("ru_RU")                      << "ru_RU" << "15.01.2026";
    QTest::newRow("C")                          << "C"     << "15 Jan 2026";
    QTest::newRow("ar_EG, Arabic digits: ISO")  << "ar_EG" << "2026-01-15";
    QTest::newRow("fa_IR, Persian digits: ISO") << "fa_IR" << "2026-01-15";
    // clang-format on
}

void tst_UpdateReminder::dateText()
{
    QFETCH(QString, localeName);
    QFETCH(QString, text);
    const QLocale locale(localeName);

    QCOMPARE(reminderDateText(Today, locale), text);
    QCOMPARE(ShiftDecode(ShiftEncode(text)), text);
    QCOMPARE(parseReminderDate(text, locale), Today);
    // An ISO text is read under every locale.
    QCOMPARE(parseReminderDate(QStringLiteral("2026-01-15"), locale), Today);
}

void tst_UpdateReminder::fallsBackToIsoDateWhenShiftWouldDropCharacters()
{
    QLocale::setDefault(QLocale(QStringLiteral("ar_EG")));
    ScriptedDesktop desktop;
    desktop.todayDate = Today;

    UpdateReminder();
    QCOMPARE(storedText(), QStringLiteral("2026-01-15"));

    desktop.todayDate = Today.addDays(20);
    UpdateReminder();
    QLocale::setDefault(QLocale(QStringLiteral("en_US")));
    QCOMPARE(desktop.messages.size(), 1);
}

void tst_UpdateReminder::inputForms_data()
{
    QTest::addColumn<int>("reading");
    QTest::addColumn<bool>("asks");

    // clang-format off
    QTest::newRow("Karmic Astrology")      << 0 << true;
    QTest::newRow("Karmic Debt Number")    << 1 << true;
    QTest::newRow("Karmic Lesson Number")  << 2 << true;
    QTest::newRow("Zodiac Soulmate Sign")  << 3 << false;
    QTest::newRow("Zodiac Spiritual Sign") << 4 << false;
    // clang-format on
}

void tst_UpdateReminder::inputForms()
{
    QFETCH(int, reading);
    QFETCH(bool, asks);

    ScriptedDesktop desktop;
    desktop.todayDate = Today;
    storeText(QStringLiteral("12/16/2025")); // 30 days ago
    frmMDI *main = openedForm<frmMDI>();
    main->showForm();

    main->OpenReading(reading);
    QCOMPARE(desktop.messages.size(), asks ? 1 : 0);

    // Opening the same form again the same day asks no more.
    main->OpenReading(reading);
    QCOMPARE(desktop.messages.size(), asks ? 1 : 0);
}

QTEST_MAIN(tst_UpdateReminder)
#include "tst_updatereminder.moc"
