#pragma once

#include "forms/inputform.h"
#include "ui_frmkarmiclessonnumbermain.h"

namespace Lumo {

class frmKarmicLessonNumberMain : public InputForm
{
    Q_OBJECT

public:
    frmKarmicLessonNumberMain();

    void cmdNext_Click() override;

private:
    Ui::frmKarmicLessonNumberMain ui;
};

} // namespace Lumo
