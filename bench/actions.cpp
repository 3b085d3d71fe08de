// The time of the user's actions, on the offscreen platform with the real main window. Each
// timed step is the action itself followed by the work it leaves for the event loop (layout,
// painting, deleting unloaded windows), so the figure is the wait until the result is drawn.
// What sets up the next step (opening a reading, going back) runs with the timing paused.
// replica_actions.cpp times the same steps on the forms as their .ui files alone build them.

#include "actionsteps.h"
#include "app/frmmdi.h"
#include "app/startup.h"
#include "forms/displayform.h"
#include "forms/inputform.h"
#include "profile/frmkarmicprofiledisplay.h"
#include "readings/astrology/frmkarmicastrologydisplay.h"
#include "readings/astrology/frmkarmicastrologymain.h"
#include "readings/astrology/frmkarmicastrologysave.h"
#include "readings/astrology/karfile.h"
#include "readings/astrology/lunarnodes.h"
#include "readings/soulmate/modzodiacsoulmatesign.h"
#include "readings/spiritual/modzodiacspiritualsign.h"
#include "support/scripteddesktop.h"

#include <QApplication>
#include <QBuffer>
#include <QComboBox>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QStandardPaths>
#include <QTemporaryDir>

using namespace Lumo;
using namespace LumoBench;

namespace {

Testing::ScriptedDesktop *desktop = nullptr;
QTemporaryDir *workFolder = nullptr;

// The program's main window, opened once for the whole run.
frmMDI *mainWindow()
{
    static frmMDI *const main = [] {
        auto *window = new frmMDI;
        window->open();
        return window;
    }();
    return main;
}

void closeReadings()
{
    mainWindow()->closeReadings();
    settle();
}

// The form last opened in the workspace, if it is still loaded and a T.
template <class T> T *newestForm()
{
    const QList<QMdiSubWindow *> windows =
        mainWindow()->workspace()->subWindowList(QMdiArea::CreationOrder);
    for (auto it = windows.crbegin(); it != windows.crend(); ++it) {
        auto *form = qobject_cast<Form *>((*it)->widget());
        if (form && form->isLoaded())
            return qobject_cast<T *>(form);
    }
    return nullptr;
}

// A date of birth outside every reading's own table, whose sign is computed.
const QString ComputedYear = QStringLiteral("2015");

// Fills in a valid name and date of birth on the input form just opened.
InputForm *fillNewestInputForm(const QString &year = QStringLiteral("1960"))
{
    settle();
    auto *input = newestForm<InputForm>();
    for (const char *name : {"txtName", "txtFirstName", "txtLastName"}) {
        if (auto *box = input->findChild<QLineEdit *>(QLatin1String(name)))
            box->setText(QStringLiteral("ANN"));
    }
    const auto select = [input](const char *name, const QString &text) {
        auto *list = input->findChild<QComboBox *>(QLatin1String(name));
        list->setCurrentIndex(list->findText(text));
    };
    select("cboDate", QStringLiteral("5"));
    select("cboMonth", QStringLiteral("May"));
    select("cboYear", year);
    return input;
}

// Opens a reading from the start panel and fills it in.
InputForm *openFilledReading(int index, const QString &year = QStringLiteral("1960"))
{
    closeReadings();
    mainWindow()->OpenReading(index);
    return fillNewestInputForm(year);
}

// Opens the Karmic Profile from the start panel and fills it in.
InputForm *openFilledProfile()
{
    closeReadings();
    mainWindow()->openKarmicProfile();
    return fillNewestInputForm();
}

frmKarmicAstrologyDisplay *showAstrologyReading()
{
    openFilledReading(0)->cmdNext_Click();
    settle();
    return newestForm<frmKarmicAstrologyDisplay>();
}

void OpenReading(benchmark::State &state, int index)
{
    closeReadings();
    for (auto _ : state) {
        startCounting();
        mainWindow()->OpenReading(index);
        settle();
        stopCounting();
        state.PauseTiming();
        closeReadings();
        state.ResumeTiming();
    }
}

void Next(benchmark::State &state, int index, const QString &year)
{
    InputForm *input = openFilledReading(index, year);
    for (auto _ : state) {
        startCounting();
        input->cmdNext_Click();
        settle();
        stopCounting();
        state.PauseTiming();
        newestForm<DisplayForm>()->cmdBack_Click();
        settle();
        state.ResumeTiming();
    }
    closeReadings();
}

// Show My Karmic Profile: the five readings computed, the profile's document written and its
// window shown, and the person put first among the recent people, whose list is written to the
// settings file. Each step shows a person of another day of birth, so that the list changes.
void ShowProfile(benchmark::State &state)
{
    InputForm *input = openFilledProfile();
    auto *day = input->findChild<QComboBox *>(QStringLiteral("cboDate"));
    for (auto _ : state) {
        startCounting();
        input->cmdNext_Click();
        settle();
        stopCounting();
        state.PauseTiming();
        newestForm<frmKarmicProfileDisplay>()->cmdBack_Click();
        day->setCurrentIndex((day->currentIndex() + 1) % 28);
        settle();
        state.ResumeTiming();
    }
    closeReadings();
}

void NextOnTableDate(benchmark::State &state, int index)
{
    Next(state, index, QStringLiteral("1960"));
}

// The sign lookups alone, on a computed day (5 May 2015).
template <class Lookup> void ComputedLookup(benchmark::State &state, Lookup lookup)
{
    const QDate date(2015, 5, 5);
    for (auto _ : state) {
        startCounting();
        benchmark::DoNotOptimize(lookup(date));
        stopCounting();
    }
}

void Back(benchmark::State &state, int index)
{
    InputForm *input = openFilledReading(index);
    for (auto _ : state) {
        state.PauseTiming();
        input->cmdNext_Click();
        settle();
        DisplayForm *display = newestForm<DisplayForm>();
        state.ResumeTiming();
        startCounting();
        display->cmdBack_Click();
        settle();
        stopCounting();
    }
    closeReadings();
}

QString karFilePath()
{
    return workFolder->filePath(QStringLiteral("reading.kar"));
}

void KarCodecSave(benchmark::State &state)
{
    for (auto _ : state) {
        startCounting();
        benchmark::DoNotOptimize(
            encodeKarFile(QStringLiteral("ANN"), 5, QStringLiteral("May"), 1960));
        stopCounting();
    }
}

void KarCodecOpen(benchmark::State &state)
{
    QByteArray bytes = encodeKarFile(QStringLiteral("ANN"), 5, QStringLiteral("May"), 1960);
    for (auto _ : state) {
        startCounting();
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::ReadOnly);
        benchmark::DoNotOptimize(readKarFile(buffer));
        stopCounting();
    }
}

// Open on the astrology input form: the file dialog answered at once, the file read into the
// name and the lists, and Next run, which shows the reading.
void KarOpenThroughInputForm(benchmark::State &state)
{
    QFile file(karFilePath());
    file.open(QIODevice::WriteOnly);
    file.write(encodeKarFile(QStringLiteral("ANN"), 5, QStringLiteral("May"), 1960));
    file.close();
    auto *input = static_cast<frmKarmicAstrologyMain *>(openFilledReading(0));
    for (auto _ : state) {
        desktop->fileNames.enqueue(karFilePath());
        startCounting();
        input->cmdOpen_Click();
        settle();
        stopCounting();
        state.PauseTiming();
        newestForm<DisplayForm>()->cmdBack_Click();
        settle();
        state.ResumeTiming();
    }
    closeReadings();
}

void OpenReportWindow(benchmark::State &state)
{
    frmKarmicAstrologyDisplay *display = showAstrologyReading();
    for (auto _ : state) {
        startCounting();
        auto *report = new frmKarmicAstrologySave(display->reading(), display);
        report->setModal(true);
        report->show();
        settle();
        stopCounting();
        state.PauseTiming();
        report->done(QDialog::Rejected);
        delete report;
        settle();
        state.ResumeTiming();
    }
    closeReadings();
}

// The report window built and its report composed, before it is shown.
void BuildReport(benchmark::State &state)
{
    frmKarmicAstrologyDisplay *display = showAstrologyReading();
    for (auto _ : state) {
        startCounting();
        auto *report = new frmKarmicAstrologySave(display->reading(), display);
        stopCounting();
        state.PauseTiming();
        report->done(QDialog::Rejected);
        delete report;
        settle();
        state.ResumeTiming();
    }
    closeReadings();
}

// Save in the report window: the file dialog answered at once, the file written safely.
void KarSaveThroughReportWindow(benchmark::State &state)
{
    frmKarmicAstrologyDisplay *display = showAstrologyReading();
    auto *report = new frmKarmicAstrologySave(display->reading(), display);
    report->setModal(true);
    report->show();
    settle();
    for (auto _ : state) {
        desktop->fileNames.enqueue(karFilePath());
        startCounting();
        report->cmdSave_Click();
        settle();
        stopCounting();
    }
    report->done(QDialog::Rejected);
    delete report;
    closeReadings();
}

void registerBenchmarks()
{
    addReadingActions(OpenReading, NextOnTableDate, Back);
    for (int i : {0, 3, 4})
        addAction("Next/" + std::string(ReadingNames[i]) + "/ComputedDate",
                  [i](benchmark::State &state) { Next(state, i, ComputedYear); });
    addAction("Lookup/ComputedNode", [](benchmark::State &state) {
        ComputedLookup(state, [](const QDate &date) { return northNodeOn(date); });
    });
    addAction("Lookup/ComputedJuno", [](benchmark::State &state) {
        ComputedLookup(state, [](const QDate &date) { return junoSignOn(date); });
    });
    addAction("Lookup/ComputedNeptune", [](benchmark::State &state) {
        ComputedLookup(state, [](const QDate &date) { return neptuneSignOn(date); });
    });
    addAction("Next/KarmicProfile", ShowProfile);
    addAction("OpenReportWindow", OpenReportWindow);
    addAction("BuildReport", BuildReport);
    addAction("SaveKar/ReportWindow", KarSaveThroughReportWindow);
    addAction("SaveKar/Codec", KarCodecSave);
    addAction("OpenKar/Codec", KarCodecOpen);
    addAction("OpenKar/InputForm", KarOpenThroughInputForm);
}

// One pass through every reading first, so that what Qt creates once per process (fonts,
// style data, caches) is not charged to the first benchmark.
void warmUp()
{
    for (int i = 0; i < frmMDI::ReadingCount; ++i) {
        openFilledReading(i)->cmdNext_Click();
        settle();
        newestForm<DisplayForm>()->cmdBack_Click();
        settle();
    }
    openFilledProfile()->cmdNext_Click();
    settle();
    frmKarmicAstrologyDisplay *display = showAstrologyReading();
    delete new frmKarmicAstrologySave(display->reading(), display);
    closeReadings();
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    // The update reminder of the readings writes settings: keep them out of the user's own.
    QStandardPaths::setTestModeEnabled(true);
    Testing::ScriptedDesktop scriptedDesktop;
    desktop = &scriptedDesktop;
    QTemporaryDir folder;
    workFolder = &folder;

    mainWindow()->showForm();
    settle();
    warmUp();

    registerBenchmarks();
    if (!runActions(argc, argv))
        return 1;

    const bool quiet = scriptedDesktop.messages.isEmpty();
    if (!quiet) {
        fprintf(stderr, "unexpected messages: %s\n",
                qPrintable(scriptedDesktop.messageTexts().join(QStringLiteral(" | "))));
    }
    return quiet ? 0 : 1;
}
