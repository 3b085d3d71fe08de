#include "form.h"

#include <QApplication>
#include <QCloseEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QScreen>

namespace Lumo {

namespace {
QList<QPointer<Form>> &registry()
{
    static QList<QPointer<Form>> forms;
    return forms;
}

Shell *installedShell = nullptr;
} // namespace

Form::Form(Placement placement) : m_placement(placement) {}

void Form::load()
{
    if (m_placement == Placement::Workspace) {
        if (QMdiArea *workspace = Shell::instance() ? Shell::instance()->workspace() : nullptr) {
            m_subWindow = workspace->addSubWindow(this);
            m_subWindow->setObjectName(objectName() + QStringLiteral("_window"));
            // The main window's menu bar shows the form's menus while the form is active.
            if (QWidget *menus = menuWidget())
                menus->hide();
            m_subWindow->hide();
            m_subWindow->adjustSize();
        }
    }
    Form_Load();
}

QWidget *Form::frame()
{
    return m_subWindow ? static_cast<QWidget *>(m_subWindow) : this;
}

void Form::showForm()
{
    if (m_subWindow) {
        QWidget::show();
        m_subWindow->show();
        m_subWindow->mdiArea()->setActiveSubWindow(m_subWindow);
    } else {
        show();
        raise();
        activateWindow();
    }
}

void Form::hideForm()
{
    frame()->hide();
}

bool Form::isFormVisible() const
{
    return m_subWindow ? m_subWindow->isVisible() : isVisible();
}

void Form::unload()
{
    if (m_unloading)
        return;
    m_unloading = true;
    FormRegistry::forget(this);
    Form_Unload();
    QWidget *window = frame();
    window->hide();
    window->deleteLater();
}

void Form::closeEvent(QCloseEvent *event)
{
    unload();
    event->accept();
}

void Form::placeAtTopCentre()
{
    if (m_subWindow) {
        const int areaWidth = m_subWindow->mdiArea()->viewport()->width();
        m_subWindow->move(qMax(0, (areaWidth - m_subWindow->width()) / 2), 0);
        return;
    }
    if (QScreen *screen = this->screen()) {
        const QRect available = screen->availableGeometry();
        QRect geometry = frameGeometry();
        geometry.moveCenter(available.center());
        move(geometry.topLeft());
    }
}

Shell *Shell::instance()
{
    return installedShell;
}

void Shell::install(Shell *shell)
{
    installedShell = shell;
}

void setStartPanelVisible(bool visible)
{
    if (Shell *shell = Shell::instance())
        shell->setStartPanelVisible(visible);
}

Form *FormRegistry::find(const QMetaObject *type)
{
    for (const QPointer<Form> &form : std::as_const(registry())) {
        if (form && form->metaObject() == type)
            return form;
    }
    return nullptr;
}

void FormRegistry::load(Form *form)
{
    registry().append(form);
    form->load();
}

void FormRegistry::forget(Form *form)
{
    registry().removeAll(form);
    registry().removeAll(nullptr);
}

QList<Form *> FormRegistry::loadedForms()
{
    QList<Form *> forms;
    for (const QPointer<Form> &form : std::as_const(registry())) {
        if (form)
            forms.append(form);
    }
    return forms;
}

void EndProgram()
{
    for (Form *form : FormRegistry::loadedForms()) {
        if (FormRegistry::find(form->metaObject()) == form)
            form->unload();
    }
    QCoreApplication::exit(0);
}

} // namespace Lumo
