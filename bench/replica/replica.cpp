#include "replica.h"

#include "resourceiconengine.h"
#include "ui_frmkarmicastrologydisplay.h"
#include "ui_frmkarmicastrologymain.h"
#include "ui_frmkarmicastrologysave.h"
#include "ui_frmmdi.h"
#include "ui_numerologydisplay.h"
#include "ui_numerologyinput.h"
#include "ui_signdisplay.h"
#include "ui_signinput.h"

#include <QIcon>
#include <QMdiArea>

namespace LumoReplica {

namespace {

const QList<int> IconSizes = {16, 32, 48, 64, 128, 256};
const QString IconPattern = QStringLiteral(":/icons/lumofreetessaray-%1.png");

// A window of the given class with the controls of the generated form class.
template <class Form, class Window = QMainWindow> Window *fromUi(QWidget *parent = nullptr)
{
    auto *window = new Window(parent);
    Form().setupUi(window);
    return window;
}

} // namespace

QIcon windowIcon(IconFiles files)
{
    if (files == IconFiles::Engine)
        return QIcon(new Lumo::ResourceIconEngine(IconPattern, IconSizes));
    QIcon icon;
    for (int size : IconSizes) {
        icon.addFile(IconPattern.arg(size),
                     files == IconFiles::Sized ? QSize(size, size) : QSize());
    }
    return icon;
}

QMainWindow *newMainWindow()
{
    Ui::frmMDI ui;
    auto *window = new QMainWindow;
    ui.setupUi(window);
    const std::pair<QLabel *, const char *> pictures[] = {{ui.Picture2, ":/pictures/sun.png"},
                                                          {ui.Picture4, ":/pictures/star.png"},
                                                          {ui.Picture5, ":/pictures/planet.png"},
                                                          {ui.Picture7, ":/pictures/moon.png"},
                                                          {ui.Picture8, ":/pictures/stars.png"}};
    for (const auto &[label, file] : pictures) {
        label->setPixmap(QPixmap(QLatin1String(file)));
        label->setScaledContents(true);
    }
    return window;
}

QMdiArea *workspace(QMainWindow *mainWindow)
{
    return mainWindow->findChild<QMdiArea *>(QStringLiteral("mdiWorkspace"));
}

QWidget *startPanel(QMainWindow *mainWindow)
{
    return mainWindow->findChild<QWidget *>(QStringLiteral("picMain"));
}

QMainWindow *newInputForm(int reading)
{
    switch (reading) {
    case 0:
        return fromUi<Ui::frmKarmicAstrologyMain>();
    case 1:
    case 2:
        return fromUi<Ui::NumerologyInputForm>();
    default:
        return fromUi<Ui::SignInputForm>();
    }
}

QMainWindow *newDisplayForm(int reading)
{
    switch (reading) {
    case 0:
        return fromUi<Ui::frmKarmicAstrologyDisplay>();
    case 1:
    case 2:
        return fromUi<Ui::NumerologyDisplayForm>();
    default:
        return fromUi<Ui::SignDisplayForm>();
    }
}

QDialog *newReportWindow(QWidget *parent)
{
    return fromUi<Ui::frmKarmicAstrologySave, QDialog>(parent);
}

} // namespace LumoReplica
