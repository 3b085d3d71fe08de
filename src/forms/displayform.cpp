#include "displayform.h"

#include "focusframe.h"

#include <QAction>
#include <QPushButton>

namespace Lumo {

void DisplayForm::connectDisplayControls(QPushButton *back, QPushButton *exit, QAction *backItem,
                                         QAction *exitItem)
{
    drawFocusOfEveryControl(this);
    connect(back, &QPushButton::clicked, this, &DisplayForm::cmdBack_Click);
    if (exit) {
        connect(exit, &QPushButton::clicked, this, &DisplayForm::cmdExit_Click);
        exit->setAccessibleDescription(ReadingExitDescription);
    }
    if (backItem)
        connect(backItem, &QAction::triggered, this, &DisplayForm::cmdBack_Click);
    if (exitItem)
        connect(exitItem, &QAction::triggered, this, &DisplayForm::cmdExit_Click);
}

void DisplayForm::Form_Load()
{
    placeAtTopCentre();
}

void DisplayForm::cmdBack_Click()
{
    unload();
    Q_EMIT backRequested();
}

void DisplayForm::cmdExit_Click()
{
    unload();
}

} // namespace Lumo
