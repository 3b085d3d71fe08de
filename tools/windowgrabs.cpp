// Draws every window of the program, each with a reading where it shows one, into PNG files in a
// folder: lumo_windowgrabs [--dark] FOLDER. Run it before and after a change to the forms and
// compare the pictures (compare -metric AE before/x.png after/x.png diff.png). Runs on any
// platform plugin, offscreen too; keeps its settings and its single-copy lock apart from the
// program's. --dark draws with Fusion and a dark palette, as a dark desktop does.
#include "support/everywindow.h"
#include "support/palettes.h"
#include "support/scripteddesktop.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDialog>
#include <QDir>
#include <QLabel>

#include <cstdio>

using namespace Lumo;
using namespace Lumo::Testing;

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QCommandLineParser parser;
    const QCommandLineOption dark(QStringLiteral("dark"), QStringLiteral("Use a dark palette."));
    parser.addOption(dark);
    parser.addPositionalArgument(QStringLiteral("folder"),
                                 QStringLiteral("The folder to write the pictures into."));
    parser.process(app);
    if (parser.positionalArguments().size() != 1) {
        std::fprintf(stderr, "usage: lumo_windowgrabs [--dark] FOLDER\n");
        return 2;
    }
    const QDir folder(parser.positionalArguments().constFirst());
    if (!QDir().mkpath(folder.path())) {
        std::fprintf(stderr, "lumo_windowgrabs: cannot make %s\n", qPrintable(folder.path()));
        return 1;
    }
    if (parser.isSet(dark)) {
        QApplication::setStyle(QStringLiteral("Fusion"));
        QApplication::setPalette(darkPalette());
    }
    QStandardPaths::setTestModeEnabled(true);
    setProgramIdentity();
    QSettings().clear();
    ScriptedDesktop desktop; // no reminder, no dialog waits for an answer

    int failures = 0;
    forEveryWindow([&](const char *name, const std::function<QWidget *()> &open) {
        ReadingFixture fixture;
        QWidget *window = open();
        if (!window || !QTest::qWaitForWindowExposed(window->window())) {
            std::fprintf(stderr, "lumo_windowgrabs: %s did not show\n", name);
            ++failures;
            return;
        }
        // The support dialog picks its message at random: draw it with the first one.
        if (auto *message = window->findChild<QLabel *>(QStringLiteral("Label2"));
            message && window->objectName() == QLatin1String("frmNagScreen2"))
            message->setText(frmNagScreen2::supportMessages().constFirst());
        QTest::qWait(50);
        const QString file =
            folder.filePath(QString::fromLatin1(name).replace(u' ', u'-') + QStringLiteral(".png"));
        if (!window->window()->grab().save(file, "PNG")) {
            std::fprintf(stderr, "lumo_windowgrabs: cannot write %s\n", qPrintable(file));
            ++failures;
        }
        if (auto *dialog = qobject_cast<QDialog *>(window))
            dialog->close();
    });
    return failures == 0 ? 0 : 1;
}
