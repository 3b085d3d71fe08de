// Test helper: runs the program as its main does, on a desktop that answers every message box
// with OK and prints its text on standard output as "message: TEXT". With LUMO_PROBE_SHOW_READING
// set, it prints the Karmic Astrology reading on screen as "reading: NAME: SIGN" once the start
// is done and its event loop runs, and quits. With LUMO_PROBE_REPORT_NAMES set, it keeps running
// and prints the name in the Karmic Astrology input form as "name: NAME" each time it changes.
#include "app/frmmdi.h"
#include "app/startup.h"
#include "common/filenames.h"
#include "readings/astrology/frmkarmicastrologydisplay.h"
#include "readings/astrology/frmkarmicastrologymain.h"
#include "support/scripteddesktop.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QTimer>

#include <cstdio>

namespace {
class PrintingDesktop : public Lumo::Testing::ScriptedDesktop
{
public:
    QMessageBox::StandardButton message(QWidget *parent, const QString &text,
                                        QMessageBox::Icon icon,
                                        QMessageBox::StandardButtons buttons) override
    {
        std::printf("message: %s\n", qPrintable(text));
        std::fflush(stdout);
        return ScriptedDesktop::message(parent, text, icon, buttons);
    }
};

// The loaded form of class T in the program's windows, or null.
template <class T> T *loadedForm()
{
    for (QWidget *window : QApplication::topLevelWidgets()) {
        for (T *form : window->findChildren<T *>()) {
            if (form->isLoaded())
                return form;
        }
    }
    return nullptr;
}

// "NAME: SIGN" while the reading's display form is visible, else the name the input form holds;
// empty when no Karmic Astrology form is loaded.
QString shownReading()
{
    using namespace Lumo;
    auto *input = loadedForm<frmKarmicAstrologyMain>();
    if (!input)
        return QString();
    const QString name = input->findChild<QLineEdit *>(QStringLiteral("txtName"))->text();
    auto *display = loadedForm<frmKarmicAstrologyDisplay>();
    if (!display || !display->isFormVisible())
        return name;
    return name + QStringLiteral(": ") +
           display->findChild<QLabel *>(QStringLiteral("lblNorthSign"))->text();
}

// Prints the input form's name each time it changes to another name (not to empty). It looks
// before every event the program handles, so that files opened one right after another are each
// seen.
class NameReporter : public QObject
{
public:
    explicit NameReporter(QApplication &app) : QObject(&app)
    {
        app.installEventFilter(this);
        // Also when nothing else happens.
        m_timer.callOnTimeout(this, [this] { report(); });
        m_timer.start(20);
    }

    bool eventFilter(QObject *, QEvent *) override
    {
        report();
        return false;
    }

private:
    void report()
    {
        // Looked for once: the look runs before every event. The window is asked only while it
        // is shown, neither while it is built nor once it has unloaded.
        if (!m_main) {
            for (QWidget *window : QApplication::topLevelWidgets()) {
                if (auto *main = qobject_cast<Lumo::frmMDI *>(window))
                    m_main = main;
            }
        }
        const bool mainShown = m_main && m_main->isVisible() && m_main->isLoaded();
        auto *input = mainShown
                          ? qobject_cast<Lumo::frmKarmicAstrologyMain *>(m_main->activeMdiChild())
                          : nullptr;
        auto *edit = input ? input->findChild<QLineEdit *>(QStringLiteral("txtName")) : nullptr;
        if (!edit || edit->text().isEmpty() || edit->text() == m_reported)
            return;
        m_reported = edit->text();
        std::printf("name: %s\n", qPrintable(m_reported));
        std::fflush(stdout);
    }

    QString m_reported;
    QTimer m_timer;
    QPointer<Lumo::frmMDI> m_main;
};
} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    PrintingDesktop desktop;
    if (qEnvironmentVariableIsSet("LUMO_PROBE_SHOW_READING")) {
        QTimer::singleShot(0, &app, [&app] {
            std::printf("reading: %s\n", qPrintable(shownReading()));
            std::fflush(stdout);
            app.quit();
        });
    }
    if (qEnvironmentVariableIsSet("LUMO_PROBE_REPORT_NAMES"))
        new NameReporter(app);
    return Lumo::runProgram(app, Lumo::programArguments(argc, argv));
}
