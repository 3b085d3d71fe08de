#pragma once

#include <QMainWindow>
#include <QPointer>

class QMdiArea;
class QMdiSubWindow;
class QScreen;

namespace Lumo {

class FormBody;

// A window of the program, created by whoever opens it and loaded by open(), which runs its
// Form_Load; unload() destroys it. Forms that live in the main window's workspace are shown in a
// sub-window there; the others are windows of their own.
class Form : public QMainWindow
{
    Q_OBJECT

public:
    enum class Placement { Workspace, TopLevel };

    explicit Form(Placement placement = Placement::TopLevel);

    // Places a workspace form in a hidden sub-window of the workspace, then runs Form_Load. A
    // top-level form takes no workspace.
    void open(QMdiArea *workspace = nullptr);
    // Makes the form visible again; Form_Load does not run.
    void showForm();
    // Hides the form; it keeps every entry.
    void hideForm();
    bool isFormVisible() const;
    // Runs Form_Unload and destroys the window (later, as Qt deletes).
    void unload();
    // False from the moment unload() starts.
    bool isLoaded() const { return !m_unloading; }

    // The sub-window in the workspace, or the form itself for a top-level form.
    QWidget *frame();
    Placement placement() const { return m_placement; }

    // Left = (width of the area that holds the form - form width) / 2, Top = 0 in the workspace;
    // a top-level form is centred on its screen's available area, and made to fit it. A
    // workspace form is first fitted to the workspace (fitToWorkspace).
    void placeAtTopCentre();
    // A workspace form taller or wider than the workspace is made to fit it, so it is used
    // without scrolling the workspace: its top part gives up height and scrolls, its buttons
    // stay in view. With room enough it has its designed size.
    void fitToWorkspace();

protected:
    // The workspace of a workspace form, or null.
    QMdiArea *workspace() const;

    virtual void Form_Load() {}
    virtual void Form_Unload() {}

    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void keepDesignedWidth();
    void keepLayoutHeight();

    Placement m_placement;
    QPointer<QMdiSubWindow> m_subWindow;
    QPointer<FormBody> m_body;
    // The size of the sub-window as designed, which it has wherever there is room.
    QSize m_designedSize;
    // The form's width as designed, and its layout's margins at that width.
    int m_designedWidth = 0;
    QMargins m_designedMargins;
    bool m_unloading = false;
};

// Unloads every top-level form, and with the main window the forms in its workspace, then ends
// the program.
void EndProgram();

} // namespace Lumo
