#include "forms/form.h"

#include <QApplication>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPointer>
#include <QTest>
#include <QVBoxLayout>

using namespace Lumo;

namespace {

struct FormEvents
{
    int loads = 0;
    int unloads = 0;
};

// A form that counts what happens to it.
class ProbeForm : public Form
{
public:
    explicit ProbeForm(Placement placement = Placement::TopLevel) : Form(placement) {}

    static FormEvents &events()
    {
        static FormEvents counts;
        return counts;
    }

protected:
    void Form_Load() override { ++events().loads; }
    void Form_Unload() override { ++events().unloads; }
};

} // namespace

class tst_Form : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void openLoadsOnce();
    void workspaceFormOpensInAHiddenSubWindow();
    void formFitsAWorkspaceThatGrewWiderAndShorter();
    void secondUnloadOfTheSameFormDoesNothing();
    void closeBoxUnloads();
    void endProgramUnloadsEveryForm();

private:
    static void flushDeletes()
    {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
};

void tst_Form::init()
{
    ProbeForm::events() = {};
}

void tst_Form::cleanup()
{
    EndProgram();
    flushDeletes();
    QVERIFY(QApplication::topLevelWidgets().isEmpty());
}

void tst_Form::openLoadsOnce()
{
    QPointer<ProbeForm> form = new ProbeForm;
    QCOMPARE(ProbeForm::events().loads, 0);
    form->open();
    QCOMPARE(ProbeForm::events().loads, 1);
    QVERIFY(form->isLoaded());
    QVERIFY(!form->isFormVisible());

    form->unload();
    QCOMPARE(ProbeForm::events().unloads, 1);
    QVERIFY(!form->isLoaded());
    flushDeletes();
    QVERIFY(form.isNull());
}

void tst_Form::workspaceFormOpensInAHiddenSubWindow()
{
    QMdiArea workspace;
    workspace.resize(600, 400);
    workspace.show();
    QPointer<ProbeForm> form = new ProbeForm(Form::Placement::Workspace);
    form->setCentralWidget(new QWidget);
    form->open(&workspace);

    QCOMPARE(workspace.subWindowList().size(), 1);
    QCOMPARE(workspace.subWindowList().constFirst()->widget(), form.data());
    QVERIFY(!form->isFormVisible());
    form->showForm();
    QVERIFY(form->isFormVisible());

    // Closing every sub-window unloads the form and takes its sub-window away.
    workspace.closeAllSubWindows();
    QCOMPARE(ProbeForm::events().unloads, 1);
    flushDeletes();
    QVERIFY(form.isNull());
    QVERIFY(workspace.subWindowList().isEmpty());
}

// A form squeezed narrow needs more height for its wrapped text; given a wider and shorter
// workspace, it takes the height it needs at its new width, not at its old one.
void tst_Form::formFitsAWorkspaceThatGrewWiderAndShorter()
{
    QMdiArea workspace;
    workspace.resize(220, 900);
    workspace.show();
    auto *form = new ProbeForm(Form::Placement::Workspace);
    auto *central = new QWidget;
    auto *label = new QLabel(QString(200, u'x').replace(u'x', QStringLiteral("word ")));
    label->setWordWrap(true);
    (new QVBoxLayout(central))->addWidget(label);
    form->setCentralWidget(central);
    form->resize(600, 300);
    form->open(&workspace);
    form->showForm();
    form->placeAtTopCentre();
    QVERIFY(form->frame()->height() > 250);

    workspace.resize(900, 250);
    QTRY_VERIFY(form->frame()->width() > 400);
    QCOMPARE(form->frame()->height(),
             qMax(workspace.contentsRect().height(), form->frame()->minimumHeight()));
}

void tst_Form::secondUnloadOfTheSameFormDoesNothing()
{
    auto *form = new ProbeForm;
    form->open();
    form->unload();
    form->unload(); // still alive until the deferred delete runs
    QCOMPARE(ProbeForm::events().unloads, 1);
}

void tst_Form::closeBoxUnloads()
{
    QPointer<ProbeForm> form = new ProbeForm;
    form->open();
    form->showForm();
    QVERIFY(QTest::qWaitForWindowExposed(form));

    QVERIFY(form->close());

    QCOMPARE(ProbeForm::events().unloads, 1);
    flushDeletes();
    QVERIFY(form.isNull());
}

void tst_Form::endProgramUnloadsEveryForm()
{
    QList<QPointer<ProbeForm>> forms;
    for (int i = 0; i < 3; ++i) {
        forms.append(new ProbeForm);
        forms.constLast()->open();
    }

    EndProgram();

    QCOMPARE(ProbeForm::events().unloads, 3);
    flushDeletes();
    for (const QPointer<ProbeForm> &form : std::as_const(forms))
        QVERIFY(form.isNull());
}

QTEST_MAIN(tst_Form)
#include "tst_form.moc"
