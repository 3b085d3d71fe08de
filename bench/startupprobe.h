#pragma once

// Shared by the two start-up programs, so that both end in the same way: the event loop runs
// until the window is exposed (and so drawn once), then the program reports and exits.

#include <QApplication>
#include <QEvent>
#include <QWidget>
#include <QWindow>

#include <cstdio>
#include <cstring>
#include <sys/resource.h>

namespace LumoBench {

// Ends the event loop at the first expose event that leaves the window exposed. The event still
// reaches the window, which paints itself before the loop returns.
class ExposeWatcher : public QObject
{
public:
    explicit ExposeWatcher(QWindow *window) : m_window(window) { window->installEventFilter(this); }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched == m_window && event->type() == QEvent::Expose && m_window->isExposed())
            QCoreApplication::exit(0);
        return false;
    }

private:
    QWindow *m_window;
};

// Runs the event loop until the shown window is exposed.
inline int runUntilExposed(QApplication &app, QWidget *window)
{
    QWindow *handle = window->windowHandle();
    if (!handle)
        return 1;
    if (handle->isExposed())
        return 0;
    ExposeWatcher watcher(handle);
    return app.exec();
}

// With --peak-rss on the command line, prints the peak resident set size in KiB, then the current
// anonymous and file-backed parts of it (heap against mapped libraries and fonts).
inline void reportPeakRss(int argc, char *argv[])
{
    bool wanted = false;
    for (int i = 1; i < argc; ++i)
        wanted = wanted || std::strcmp(argv[i], "--peak-rss") == 0;
    if (!wanted)
        return;
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    std::printf("peak_rss_kib %ld\n", usage.ru_maxrss);
    FILE *status = std::fopen("/proc/self/status", "r");
    if (!status)
        return;
    char line[256];
    long kib = 0;
    while (std::fgets(line, sizeof line, status)) {
        if (std::sscanf(line, "RssAnon: %ld", &kib) == 1)
            std::printf("rss_anon_kib %ld\n", kib);
        else if (std::sscanf(line, "RssFile: %ld", &kib) == 1)
            std::printf("rss_file_kib %ld\n", kib);
    }
    std::fclose(status);
}

} // namespace LumoBench
