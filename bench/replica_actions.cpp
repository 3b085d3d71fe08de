// The yardstick for each action of actions.cpp: the same step on the forms as their .ui files
// alone build them (replica/replica.h), shown in the workspace of the replica's main window, on
// the offscreen platform. A form is opened as the program opens one: the welcome panel hides to
// uncover the workspace, and the form shows in a sub-window. Nothing fills the lists or the
// texts: that is the program's work, and what the comparison charges to it.
#include "actionsteps.h"
#include "replica/replica.h"

#include <QApplication>
#include <QIcon>
#include <QMdiArea>
#include <QMdiSubWindow>

#include <memory>

using namespace LumoBench;
using namespace LumoReplica;

namespace {

QMainWindow *mainWindow = nullptr;

QMdiSubWindow *showInWorkspace(QWidget *form)
{
    startPanel(mainWindow)->hide();
    QMdiSubWindow *window = workspace(mainWindow)->addSubWindow(form);
    window->show();
    return window;
}

void close(QMdiSubWindow *window)
{
    window->hide();
    window->deleteLater();
}

void closeAll()
{
    for (QMdiSubWindow *window : workspace(mainWindow)->subWindowList())
        close(window);
    startPanel(mainWindow)->show();
    settle();
}

void OpenReading(benchmark::State &state, int reading)
{
    for (auto _ : state) {
        startCounting();
        showInWorkspace(newInputForm(reading));
        settle();
        stopCounting();
        state.PauseTiming();
        closeAll();
        state.ResumeTiming();
    }
}

void Next(benchmark::State &state, int reading)
{
    QMdiSubWindow *input = showInWorkspace(newInputForm(reading));
    settle();
    for (auto _ : state) {
        startCounting();
        input->hide();
        QMdiSubWindow *display = showInWorkspace(newDisplayForm(reading));
        settle();
        stopCounting();
        state.PauseTiming();
        close(display);
        input->show();
        settle();
        state.ResumeTiming();
    }
    closeAll();
}

void Back(benchmark::State &state, int reading)
{
    QMdiSubWindow *input = showInWorkspace(newInputForm(reading));
    settle();
    for (auto _ : state) {
        state.PauseTiming();
        input->hide();
        QMdiSubWindow *display = showInWorkspace(newDisplayForm(reading));
        settle();
        state.ResumeTiming();
        startCounting();
        close(display);
        input->show();
        settle();
        stopCounting();
    }
    closeAll();
}

void OpenReportWindow(benchmark::State &state)
{
    QWidget *display = showInWorkspace(newDisplayForm(0))->widget();
    settle();
    for (auto _ : state) {
        startCounting();
        QDialog *report = newReportWindow(display);
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
    closeAll();
}

void BuildReport(benchmark::State &state)
{
    QWidget *display = showInWorkspace(newDisplayForm(0))->widget();
    settle();
    for (auto _ : state) {
        startCounting();
        QDialog *report = newReportWindow(display);
        stopCounting();
        state.PauseTiming();
        delete report;
        settle();
        state.ResumeTiming();
    }
    closeAll();
}

void registerBenchmarks()
{
    addReadingActions(OpenReading, Next, Back);
    addAction("OpenReportWindow", OpenReportWindow);
    addAction("BuildReport", BuildReport);
    // Opening a saved reading ends in the Karmic Astrology display form, as Next does.
    addAction("OpenKar/InputForm", [](benchmark::State &state) { Next(state, 0); });
}

// One pass through every form first, as the program's benchmarks make one.
void warmUp()
{
    for (int i = 0; i < ReadingCount; ++i) {
        showInWorkspace(newInputForm(i));
        settle();
        showInWorkspace(newDisplayForm(i));
        settle();
        closeAll();
    }
    delete newReportWindow(showInWorkspace(newDisplayForm(0))->widget());
    closeAll();
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    app.setWindowIcon(windowIcon(IconFiles::Sized));
    const std::unique_ptr<QMainWindow> window(newMainWindow());
    mainWindow = window.get();
    mainWindow->show();
    settle();
    warmUp();

    registerBenchmarks();
    return runActions(argc, argv) ? 0 : 1;
}
