#include "form.h"

#include "formbody.h"
#include "screenplacement.h"

#include <QApplication>
#include <QCloseEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QScreen>

namespace Lumo {

Form::Form(Placement placement) : m_placement(placement) {}

void Form::open(QMdiArea *workspace)
{
    if (m_placement == Placement::Workspace) {
        if (workspace) {
            m_subWindow = workspace->addSubWindow(this);
            m_subWindow->setObjectName(objectName() + QStringLiteral("_window"));
            // The main window's menu bar shows the form's menus while the form is active.
            if (QWidget *menus = menuWidget())
                menus->hide();
            if (centralWidget())
                m_body = FormBody::wrapTopOf(centralWidget());
            m_subWindow->hide();
            m_subWindow->adjustSize();
            m_designedSize = m_subWindow->size();
            workspace->installEventFilter(this);
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
        fitToWorkspace();
        // Where the workspace has shrunk since the form was last placed, it goes back on it.
        const QRect area = workspace()->contentsRect();
        if (!area.contains(m_subWindow->geometry()))
            m_subWindow->move(
                qBound(0, m_subWindow->x(), qMax(0, area.width() - m_subWindow->width())),
                qBound(0, m_subWindow->y(), qMax(0, area.height() - m_subWindow->height())));
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
        fitToWorkspace();
        const int areaWidth = workspace()->contentsRect().width();
        m_subWindow->move(qMax(0, (areaWidth - m_subWindow->width()) / 2), 0);
        return;
    }
    if (QScreen *screen = this->screen())
        placeOnScreen(this, screen->availableGeometry(), size(), VerticalPlacement::Centred);
}

QMdiArea *Form::workspace() const
{
    return m_subWindow ? m_subWindow->mdiArea() : nullptr;
}

void Form::fitToWorkspace()
{
    if (!m_subWindow)
        return;
    // The whole workspace, whether or not it shows scroll bars now: it shows none afterwards.
    const QSize area = workspace()->contentsRect().size();
    const bool roomy = m_designedSize.height() <= area.height();
    if (m_body)
        m_body->setSqueezed(!roomy);
    // The main window's smallest size leaves the workspace room for every form's buttons.
    m_subWindow->resize(qMin(m_designedSize.width(), area.width()),
                        roomy ? m_designedSize.height() : area.height());
}

// The workspace grows or shrinks with the main window: the form fits it again.
bool Form::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Resize && watched == workspace() && m_subWindow->isVisible())
        placeAtTopCentre();
    return QMainWindow::eventFilter(watched, event);
}

void EndProgram()
{
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (auto *form = qobject_cast<Form *>(window))
            form->unload();
    }
    QCoreApplication::exit(0);
}

} // namespace Lumo
