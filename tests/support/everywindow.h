#pragma once

#include "app/frmabout.h"
#include "app/frmmdi.h"
#include "app/frmnagscreen2.h"
#include "readings/astrology/frmkarmicastrologydisplay.h"
#include "readings/astrology/frmkarmicastrologysave.h"
#include "support/readingfixture.h"

#include <QString>

#include <functional>

namespace Lumo::Testing {

// Calls add(name, open) for every window of the program: open shows the window, with a reading
// where it shows one, and gives it. Run inside a ReadingFixture.
inline void forEveryWindow(
    const std::function<void(const char *name, const std::function<QWidget *()> &open)> &add)
{
    const auto reading = &ReadingFixture::formOpener;
    add("frmMDI", []() -> QWidget * { return ReadingFixture::mainWindow(); });
    const char *names[] = {"KarmicAstrology",    "KarmicDebtNumber",    "KarmicLessonNumber",
                           "ZodiacSoulmateSign", "ZodiacSpiritualSign", "KarmicProfile"};
    for (int i = 0; i <= frmMDI::ReadingCount; ++i) {
        add(qPrintable(QStringLiteral("%1 input").arg(QLatin1String(names[i]))), reading(i, false));
        add(qPrintable(QStringLiteral("%1 display").arg(QLatin1String(names[i]))),
            reading(i, true));
    }
    add("frmAbout", []() -> QWidget * {
        auto *about = new frmAbout(ReadingFixture::mainWindow());
        about->setAttribute(Qt::WA_DeleteOnClose);
        about->show();
        return about;
    });
    add("frmKarmicAstrologySave", [=]() -> QWidget * {
        auto *display = static_cast<frmKarmicAstrologyDisplay *>(reading(0, true)());
        auto *report = new frmKarmicAstrologySave(display->reading(), display);
        report->setAttribute(Qt::WA_DeleteOnClose);
        report->show();
        return report;
    });
    add("frmNagScreen2", []() -> QWidget * { return showSupportDialog(); });
}

} // namespace Lumo::Testing
