#pragma once

// Shared by the action benchmarks of the program (actions.cpp) and of its replica
// (replica_actions.cpp), so that both time and count their steps in the same way.
//
// Under callgrind (valgrind --tool=callgrind --collect-atstart=no) only the timed steps are
// counted, and each benchmark ends with a dump named after it; LUMO_BENCH_ITERATIONS fixes the
// number of iterations, so a dump holds that many actions.

#include <QAbstractEventDispatcher>
#include <QCoreApplication>
#include <QEvent>

#include <benchmark/benchmark.h>

#include <functional>
#include <string>

#if __has_include(<valgrind/callgrind.h>)
#include <valgrind/callgrind.h>
#else
#define CALLGRIND_TOGGLE_COLLECT
#define CALLGRIND_DUMP_STATS_AT(name)
#endif

namespace LumoBench {

// Lets the windows lay themselves out and paint, and deletes the unloaded ones. A paint can ask
// for another (a long text lays out its lines while it is drawn, which moves its scroll bar), so
// the events are processed until a pass finds none: a step is charged all the work it leaves,
// and none of it is left to the next step.
inline void settle()
{
    QAbstractEventDispatcher *dispatcher = QAbstractEventDispatcher::instance();
    while (dispatcher->processEvents(QEventLoop::AllEvents)) {
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// Brackets a timed step, so that callgrind counts it alone.
inline void startCounting()
{
    CALLGRIND_TOGGLE_COLLECT;
}

inline void stopCounting()
{
    CALLGRIND_TOGGLE_COLLECT;
}

// Registers an action's benchmark, in microseconds, ending in a callgrind dump of its name.
inline void addAction(const std::string &name, std::function<void(benchmark::State &)> function)
{
    auto *bench =
        benchmark::RegisterBenchmark(name.c_str(), [name, function](benchmark::State &state) {
            function(state);
            CALLGRIND_DUMP_STATS_AT(name.c_str());
        });
    bench->Unit(benchmark::kMicrosecond);
    if (const int iterations = qEnvironmentVariableIntValue("LUMO_BENCH_ITERATIONS"))
        bench->Iterations(iterations);
}

// The readings in the order of the main window's buttons, as the benchmarks name them.
inline constexpr int ReadingCount = 5;
inline constexpr const char *ReadingNames[ReadingCount] = {
    "KarmicAstrology", "KarmicDebtNumber", "KarmicLessonNumber", "ZodiacSoulmateSign",
    "ZodiacSpiritualSign"};

// Registers opening each reading, its Next and its Back; each step gets the reading's index.
using ReadingStep = void (*)(benchmark::State &state, int reading);
inline void addReadingActions(ReadingStep open, ReadingStep next, ReadingStep back)
{
    for (int i = 0; i < ReadingCount; ++i) {
        const std::string reading = ReadingNames[i];
        addAction("OpenReading/" + reading, [open, i](benchmark::State &state) { open(state, i); });
        addAction("Next/" + reading, [next, i](benchmark::State &state) { next(state, i); });
        addAction("Back/" + reading, [back, i](benchmark::State &state) { back(state, i); });
    }
}

// Runs the registered benchmarks with the command line's options; false on an unknown option.
inline bool runActions(int &argc, char *argv[])
{
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return false;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return true;
}

} // namespace LumoBench
