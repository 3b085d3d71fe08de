#pragma once

#include <QList>
#include <QMainWindow>
#include <QPointer>

class QMdiArea;
class QMdiSubWindow;
class QScreen;

namespace Lumo {

class FormBody;

// A window of the program. Each form class has one global instance, created on first reference
// through Forms::get<T>() (which runs its Form_Load) and destroyed by unload(); the next
// reference creates a fresh one. Forms that live in the main window's workspace are shown in a
// sub-window there; the others are windows of their own.
class Form : public QMainWindow
{
    Q_OBJECT

public:
    enum class Placement { Workspace, TopLevel };

    explicit Form(Placement placement = Placement::TopLevel);

    // Makes the form visible again; Form_Load does not run.
    void showForm();
    // Hides the form; it keeps every entry.
    void hideForm();
    bool isFormVisible() const;
    // Runs Form_Unload and destroys the window. The registry forgets the form at once.
    void unload();

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
    // The size of the form's sub-window as designed, which it has wherever there is room.
    QSize designedSize() const { return m_designedSize; }

protected:
    virtual void Form_Load() {}
    virtual void Form_Unload() {}

    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    friend class FormRegistry;
    void load();
    QMdiArea *workspace() const;

    Placement m_placement;
    QPointer<QMdiSubWindow> m_subWindow;
    QPointer<FormBody> m_body;
    QSize m_designedSize;
    bool m_unloading = false;
};

// What the forms need of the main window. The application installs the one implementation.
class Shell
{
public:
    virtual ~Shell() = default;
    // The main window's workspace, or null when it is not open.
    virtual QMdiArea *workspace() = 0;
    virtual void setStartPanelVisible(bool visible) = 0;
    virtual void UpdateReminder() = 0;
    virtual void showAboutBox(QWidget *parent) = 0;

    static Shell *instance();
    static void install(Shell *shell);
};

// Shell services that do nothing while no shell is installed.
void setStartPanelVisible(bool visible);

class FormRegistry
{
public:
    static Form *find(const QMetaObject *type);
    // Registers a new form and runs its Form_Load.
    static void load(Form *form);
    static void forget(Form *form);
    static QList<Form *> loadedForms();
};

namespace Forms {

// The global instance of T, created and loaded on first reference.
template <class T> T *get()
{
    if (Form *existing = FormRegistry::find(&T::staticMetaObject))
        return static_cast<T *>(existing);
    auto *form = new T;
    FormRegistry::load(form);
    return form;
}

// The instance of T if it is loaded, or null; never creates one.
template <class T> T *loaded()
{
    return static_cast<T *>(FormRegistry::find(&T::staticMetaObject));
}

// Unloads T if it is loaded; does nothing otherwise.
template <class T> void unload()
{
    if (T *form = loaded<T>())
        form->unload();
}

} // namespace Forms

// Unloads every loaded form, then ends the program.
void EndProgram();

} // namespace Lumo
