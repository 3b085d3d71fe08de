#pragma once

#include "forms/form.h"
#include "forms/inputform.h"
#include "support/windows.h"

#include <QComboBox>

namespace Lumo::Testing {

// A control of a window by its object name, as users and tests know it; null when there is none.
template <class T = QWidget> T *control(const QObject *window, const char *name)
{
    return window ? window->findChild<T *>(QLatin1String(name)) : nullptr;
}

// Picks a date by the list texts, as a user would; an empty text leaves the list with nothing
// selected.
inline void pickDate(InputForm *form, const QString &day, const QString &month, const QString &year)
{
    const auto pick = [form](const char *list, const QString &text) {
        auto *box = control<QComboBox>(form, list);
        box->setCurrentIndex(box->findText(text));
    };
    pick("cboDate", day);
    pick("cboMonth", month);
    pick("cboYear", year);
}

// Unloads every form, including the support dialog that closing the main window opens, and
// checks that no window is left behind.
inline void closeAllForms()
{
    while (!FormRegistry::loadedForms().isEmpty()) {
        for (Form *form : FormRegistry::loadedForms())
            form->unload();
    }
    verifyNoWindowLeft();
}

} // namespace Lumo::Testing
