#include "displayform.h"

#include <QAction>
#include <QPushButton>

namespace Lumo {

void DisplayForm::connectDisplayControls()
{
    for (const char *name : {"cmdBack", "cmdback"}) {
        if (auto *back = findChild<QPushButton *>(QLatin1String(name)))
            connect(back, &QPushButton::clicked, this, &DisplayForm::cmdBack_Click);
    }
    if (auto *exit = findChild<QPushButton *>(QStringLiteral("cmdExit")))
        connect(exit, &QPushButton::clicked, this, &DisplayForm::cmdExit_Click);
    if (auto *back = findChild<QAction *>(QStringLiteral("mnuFileBack")))
        connect(back, &QAction::triggered, this, &DisplayForm::mnuFileBack_Click);
    if (auto *exit = findChild<QAction *>(QStringLiteral("mnuExit")))
        connect(exit, &QAction::triggered, this, &DisplayForm::mnuExit_Click);
    connectVendorLinks();
}

void DisplayForm::Form_Load()
{
    placeAtTopCentre();
}

void DisplayForm::Form_Unload()
{
    setStartPanelVisible(true);
}

void DisplayForm::cmdBack_Click()
{
    unload();
    inputForm()->showForm();
    setStartPanelVisible(false);
}

void DisplayForm::cmdExit_Click()
{
    unload();
}

void DisplayForm::mnuFileBack_Click()
{
    cmdBack_Click();
}

void DisplayForm::mnuExit_Click()
{
    cmdExit_Click();
}

} // namespace Lumo
