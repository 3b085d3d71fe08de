// Draws the main window, with a saved Karmic Astrology reading opened in it, into a PNG file:
// the picture in the README. Runs on any platform plugin, offscreen too; keeps its settings and
// its single-copy lock apart from the program's.
#include "app/frmmdi.h"
#include "app/startup.h"
#include "readings/astrology/karfile.h"

#include <QApplication>
#include <QFile>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdio>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    if (app.arguments().size() != 2) {
        std::fprintf(stderr, "usage: lumo_screenshot FILE.png\n");
        return 2;
    }
    const QString pictureFile = app.arguments().at(1);
    QStandardPaths::setTestModeEnabled(true);

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
        auto *main = Lumo::Forms::loaded<Lumo::frmMDI>();
        const bool saved = main && main->grab().save(pictureFile, "PNG");
        if (!saved)
            std::fprintf(stderr, "lumo_screenshot: cannot write %s\n", qPrintable(pictureFile));
        app.exit(saved ? 0 : 1);
    });
    return app.exec();
}
