#include "forms/form.h"

#include <QPointer>
#include <QTest>

using namespace Lumo;

namespace {

struct FormEvents
{
    int loads = 0;
    int unloads = 0;
    int created = 0;
};

// A top-level form that counts what happens to it; each instance knows its serial number.
template <class Tag> class CountingForm : public Form
{
public:
    CountingForm() : serial(++events().created) {}

    static FormEvents &events()
    {
        static FormEvents counts;
        return counts;
    }

    const int serial;

protected:
    void Form_Load() override { ++events().loads; }
    void Form_Unload() override { ++events().unloads; }
};

} // namespace

class ProbeForm : public CountingForm<ProbeForm>
{
    Q_OBJECT
};

class OtherForm : public CountingForm<OtherForm>
{
    Q_OBJECT
};

// Unloads OtherForm while it unloads itself, as the main window does with the reading forms.
class ClosingForm : public CountingForm<ClosingForm>
{
    Q_OBJECT

protected:
    void Form_Unload() override
    {
        CountingForm::Form_Unload();
        Forms::unload<OtherForm>();
    }
};

class tst_Form : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void getCreatesAndLoadsOnce();
    void unloadDestroysAndNextGetLoadsAFreshForm();
    void unloadingAFormNotLoadedDoesNothing();
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
    OtherForm::events() = {};
    ClosingForm::events() = {};
}

void tst_Form::cleanup()
{
    for (Form *form : FormRegistry::loadedForms())
        form->unload();
    flushDeletes();
}

void tst_Form::getCreatesAndLoadsOnce()
{
    QVERIFY(!Forms::loaded<ProbeForm>());
    QCOMPARE(ProbeForm::events().created, 0);

    ProbeForm *first = Forms::get<ProbeForm>();
    ProbeForm *second = Forms::get<ProbeForm>();

    QCOMPARE(second, first);
    QCOMPARE(Forms::loaded<ProbeForm>(), first);
    QCOMPARE(ProbeForm::events().created, 1);
    QCOMPARE(ProbeForm::events().loads, 1);
    QCOMPARE(ProbeForm::events().unloads, 0);
    // Another class has its own instance.
    QVERIFY(static_cast<Form *>(Forms::get<OtherForm>()) != first);
}

void tst_Form::unloadDestroysAndNextGetLoadsAFreshForm()
{
    QPointer<ProbeForm> first = Forms::get<ProbeForm>();
    first->unload();

    QCOMPARE(ProbeForm::events().unloads, 1);
    QVERIFY(!Forms::loaded<ProbeForm>());
    QVERIFY(!FormRegistry::loadedForms().contains(first.data()));
    flushDeletes();
    QVERIFY(first.isNull());

    ProbeForm *fresh = Forms::get<ProbeForm>();
    QCOMPARE(fresh->serial, 2);
    QCOMPARE(ProbeForm::events().loads, 2);
    QCOMPARE(ProbeForm::events().unloads, 1);
}

void tst_Form::unloadingAFormNotLoadedDoesNothing()
{
    Forms::unload<ProbeForm>();
    QCOMPARE(ProbeForm::events().created, 0);
    QCOMPARE(ProbeForm::events().unloads, 0);

    Forms::get<ProbeForm>()->unload();
    Forms::unload<ProbeForm>();
    QCOMPARE(ProbeForm::events().unloads, 1);
    QCOMPARE(ProbeForm::events().created, 1);
}

void tst_Form::secondUnloadOfTheSameFormDoesNothing()
{
    ProbeForm *form = Forms::get<ProbeForm>();
    form->unload();
    form->unload(); // still alive until the deferred delete runs
    QCOMPARE(ProbeForm::events().unloads, 1);
}

void tst_Form::closeBoxUnloads()
{
    QPointer<ProbeForm> form = Forms::get<ProbeForm>();
    form->showForm();
    QVERIFY(QTest::qWaitForWindowExposed(form));

    QVERIFY(form->close());

    QCOMPARE(ProbeForm::events().unloads, 1);
    QVERIFY(!Forms::loaded<ProbeForm>());
    flushDeletes();
    QVERIFY(form.isNull());
}

void tst_Form::endProgramUnloadsEveryForm()
{
    QPointer<Form> closing = Forms::get<ClosingForm>();
    QPointer<Form> other = Forms::get<OtherForm>();
    QPointer<Form> probe = Forms::get<ProbeForm>();

    EndProgram();

    QVERIFY(FormRegistry::loadedForms().isEmpty());
    QCOMPARE(ClosingForm::events().unloads, 1);
    QCOMPARE(OtherForm::events().unloads, 1);
    QCOMPARE(ProbeForm::events().unloads, 1);
    flushDeletes();
    QVERIFY(closing.isNull() && other.isNull() && probe.isNull());
}

QTEST_MAIN(tst_Form)
#include "tst_form.moc"
