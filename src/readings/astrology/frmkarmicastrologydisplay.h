#pragma once

#include "forms/displayform.h"
#include "nodereading.h"

#include <memory>

namespace Ui {
class frmKarmicAstrologyDisplay;
}

namespace Lumo {

class frmKarmicAstrologyDisplay : public DisplayForm
{
    Q_OBJECT

public:
    frmKarmicAstrologyDisplay();
    ~frmKarmicAstrologyDisplay() override;

    // Shows a reading: each node's sign, keywords and description. The form keeps it for its
    // report.
    void showReading(const NodeReadingData &reading);
    const NodeReadingData &reading() const { return m_reading; }

    // Shows the report of the reading modally over the form.
    void cmdprint_Click();

private:
    std::unique_ptr<Ui::frmKarmicAstrologyDisplay> ui;
    NodeReadingData m_reading;
};

} // namespace Lumo
