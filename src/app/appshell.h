#pragma once

#include "forms/form.h"

namespace Lumo {

// Serves the forms' requests to the main window: its workspace, its start panel, the About box
// and the update reminder.
class AppShell : public Shell
{
public:
    QMdiArea *workspace() override;
    void setStartPanelVisible(bool visible) override;
    void UpdateReminder() override;
    void showAboutBox(QWidget *parent) override;
};

} // namespace Lumo
