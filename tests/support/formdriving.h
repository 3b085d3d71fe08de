#pragma once

#include "forms/form.h"
#include "forms/inputform.h"
#include "support/windows.h"

#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QMdiArea>
#include <QMdiSubWindow>

namespace Lumo::Testing {

// A control of a window by its object name, as users and tests know it; null when there is none.
template <class T = QWidget> T *control(const QObject *window, const char *name)
{
    return window ? window->findChild<T *>(QLatin1String(name)) : nullptr;
}

// Every loaded form: the windows of their own and the forms in their workspaces. The dialogs
// (the About box, the report, the support dialog) are not forms.
inline QList<Form *> loadedForms()
{
    QList<Form *> forms;
    for (QWidget *window : QApplication::topLevelWidgets()) {
        QList<Form *> found = window->findChildren<Form *>();
        if (auto *form = qobject_cast<Form *>(window))
            found.prepend(form);
        for (Form *form : std::as_const(found)) {
            if (form->isLoaded())
                forms.append(form);
        }
    }
    return forms;
}

// The loaded form of class T, or null.
template <class T> T *loadedForm()
{
    for (Form *form : loadedForms()) {
        if (auto *typed = qobject_cast<T *>(form))
            return typed;
    }
    return nullptr;
}

// The loaded form of class T with the given object name, or null.
template <class T> T *loadedForm(const char *objectName)
{
    for (Form *form : loadedForms()) {
        auto *typed = qobject_cast<T *>(form);
        if (typed && typed->objectName() == QLatin1String(objectName))
            return typed;
    }
    return nullptr;
}

// The loaded form of class T; with none, a new one opened on its own, as the program opens its
// windows that are not in the main window's workspace.
template <class T> T *openedForm()
{
    if (T *form = loadedForm<T>())
        return form;
    auto *form = new T;
    form->open();
    return form;
}

// The shown window of class T that is a window of its own, such as the support dialog, or null.
template <class T> T *shownWindow()
{
    for (QWidget *window : QApplication::topLevelWidgets()) {
        auto *typed = qobject_cast<T *>(window);
        if (typed && typed->isVisible())
            return typed;
    }
    return nullptr;
}

// The window a person sees and sizes around a form or control: the sub-window of a form in the
// workspace, or the window itself.
inline QWidget *frameAround(QWidget *widget)
{
    for (QWidget *w = widget; w; w = w->parentWidget()) {
        if (qobject_cast<QMdiSubWindow *>(w) || w->isWindow())
            return w;
    }
    return widget;
}

// The reading form last opened in the workspace and still loaded, or null.
inline Form *latestReadingForm(QMdiArea *workspace)
{
    const QList<QMdiSubWindow *> windows = workspace->subWindowList(QMdiArea::CreationOrder);
    for (auto it = windows.crbegin(); it != windows.crend(); ++it) {
        auto *form = qobject_cast<Form *>((*it)->widget());
        if (form && form->isLoaded())
            return form;
    }
    return nullptr;
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

// Unloads every form, then closes the dialogs still shown, among them the support dialog that
// closing the main window opens, and checks that no window is left behind.
inline void closeAllForms()
{
    while (!loadedForms().isEmpty()) {
        for (Form *form : loadedForms())
            form->unload();
    }
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (qobject_cast<QDialog *>(window) && window->isVisible())
            window->close();
    }
    verifyNoWindowLeft();
}

} // namespace Lumo::Testing
