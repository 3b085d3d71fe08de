// Draws the main window as a first start shows it (filling the screen), with a saved Karmic
// Astrology reading opened in it, into a PNG file: pictures for docs/. Runs on any platform
// plugin, offscreen too; keeps its settings and its single-copy lock apart from the program's.
// --dark draws with Fusion and a dark palette, as a dark desktop does.
#include "app/frmmdi.h"
#include "app/startup.h"
#include "readings/astrology/karfile.h"
#include "support/palettes.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QFile>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdio>

static void useDarkPalette()
{
    QApplication::setStyle(QStringLiteral("Fusion"));
    QApplication::setPalette(Lumo::Testing::darkPalette());
}

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QCommandLineParser parser;
    const QCommandLineOption dark(QStringLiteral("dark"), QStringLiteral("Use a dark palette."));
    parser.addOption(dark);
    parser.addPositionalArgument(QStringLiteral("file"), QStringLiteral("The PNG file to write."));
    parser.process(app);
    if (parser.positionalArguments().size() != 1) {
        std::fprintf(stderr, "usage: lumo_screenshot [--dark] FILE.png\n");
        return 2;
    }
    const QString pictureFile = parser.positionalArguments().constFirst();
    if (parser.isSet(dark))
        useDarkPalette();
    QStandardPaths::setTestModeEnabled(true);
    Lumo::setProgramIdentity();
    QSettings().clear(); // a first start: nothing saved, no reminder due

    QTemporaryDir folder;
    const QString readingFile = folder.filePath(QStringLiteral("ann.kar"));
    QFile reading(readingFile);
    if (!folder.isValid() || !reading.open(QIODevice::WriteOnly) ||
        reading.write(Lumo::encodeKarFile(QStringLiteral("ANN"), 5, QStringLiteral("May"), 1960)) <
            0) {
        std::fprintf(stderr, "lumo_screenshot: cannot write the reading\n");
        return 1;
    }
    reading.close();

    const std::unique_ptr<Lumo::SingleInstance> running = Lumo::startProgram(app, readingFile);
    if (!running)
        return 1;
    // Let the window be laid out and painted once before it is drawn into the picture.
    QTimer::singleShot(500, &app, [&app, &pictureFile] {
        Lumo::frmMDI *main = nullptr;
        for (QWidget *window : QApplication::topLevelWidgets()) {
            if (auto *found = qobject_cast<Lumo::frmMDI *>(window))
                main = found;
        }
        const bool saved = main && main->grab().save(pictureFile, "PNG");
        if (!saved)
            std::fprintf(stderr, "lumo_screenshot: cannot write %s\n", qPrintable(pictureFile));
        app.exit(saved ? 0 : 1);
    });
    return app.exec();
}
