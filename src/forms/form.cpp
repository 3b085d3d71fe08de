#include "form.h"

#include "formbody.h"
#include "screenplacement.h"

#include <QApplication>
#include <QCloseEvent>
#include <QLayout>
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
            const QMargins frame = m_subWindow->contentsMargins();
            m_designedWidth = m_designedSize.width() - frame.left() - frame.right();
            if (centralWidget() && centralWidget()->layout())
                m_designedMargins = centralWidget()->layout()->contentsMargins();
            workspace->installEventFilter(this);
            m_subWindow->installEventFilter(this);
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
    // The smallest height kept for the old width must not hold the new size; the one for the new
    // width is set once the sub-window has it. The main window's smallest size leaves the
    // workspace room for every form's buttons.
    m_subWindow->setMinimumHeight(0);
    m_subWindow->resize(qMin(m_designedSize.width(), area.width()),
                        roomy ? m_designedSize.height() : area.height());
    keepLayoutHeight();
}

// Wider than designed (maximised, say), the form keeps its designed width in the middle: the
// room to spare goes to its margins, so that fields do not stretch and captions stay next to
// what they name.
void Form::keepDesignedWidth()
{
    QWidget *central = centralWidget();
    QLayout *layout = central ? central->layout() : nullptr;
    if (!m_subWindow || !layout)
        return;
    const QMargins frame = m_subWindow->contentsMargins();
    const int spare =
        qMax(0, m_subWindow->width() - frame.left() - frame.right() - m_designedWidth);
    const QMargins margins = m_designedMargins + QMargins(spare / 2, 0, spare - spare / 2, 0);
    if (layout->contentsMargins() != margins)
        layout->setContentsMargins(margins);
}

// The labels that wrap their text need more lines the narrower the form is, which the smallest
// size Qt gives a sub-window leaves out: at any width, the sub-window stops where its layout
// would squeeze the buttons and labels, rather than drawing them cut.
void Form::keepLayoutHeight()
{
    QWidget *central = centralWidget();
    QLayout *layout = central ? central->layout() : nullptr;
    if (!m_subWindow || !layout)
        return;
    // The form fills the sub-window inside its title bar and border.
    const QMargins frame = m_subWindow->contentsMargins();
    const int width = m_subWindow->width() - frame.left() - frame.right();
    const int needed = layout->totalMinimumHeightForWidth(width) + frame.top() + frame.bottom();
    if (m_subWindow->minimumHeight() != needed)
        m_subWindow->setMinimumHeight(needed);
}

// The workspace grows or shrinks with the main window: the form fits it again.
bool Form::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::Resize && watched == workspace() && m_subWindow->isVisible())
        placeAtTopCentre();
    if (event->type() == QEvent::Resize && watched == m_subWindow) {
        keepDesignedWidth();
        keepLayoutHeight();
    }
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
