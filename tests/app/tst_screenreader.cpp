// The real program on a desktop of its own (Xvfb, openbox, its own session bus) with
// accessibility on, driven as a user drives it through every window and read in each as a screen
// reader reads it, over AT-SPI. In every window each control has a name, text is not dressed as a
// button, and each control is there once.
#include "support/accessibletree.h"
#include "support/xdesktop.h"

#include <QMultiHash>
#include <QProcess>
#include <QTest>

#include <functional>

using namespace Lumo::Testing;

namespace {

const QString Application = QStringLiteral("LumoFreeTessaray");
constexpr int Timeout = XDesktop::Timeout;

using Windows = QList<AccessibleNode>;

// What a screen reader announces as one control. Each must have a name.
const QStringList ControlRoles = {
    "push button", "toggle button", "check box", "radio button", "link",         "image",
    "icon",        "text",          "entry",     "combo box",    "list",         "list box",
    "menu item",   "spin button",   "page tab",  "slider",       "password text"};
// Controls a person presses or picks from; the keyboard reaches each.
const QStringList PressedRoles = {"push button",  "toggle button", "check box",
                                  "radio button", "link",          "combo box"};
// Fields, of which a window never holds two alike: each asks for something else.
const QStringList FieldRoles = {"text", "entry", "password text", "combo box", "spin button"};
// Buttons. One form may offer the same thing twice (a button and a caption that open the same
// reading), but a button of a reading form and one of the main window around it do different
// things, and must not sound alike.
const QStringList ButtonRoles = {"push button", "toggle button", "check box", "radio button"};
// What a screen reader announces as a form: the main window, a reading form in it, a dialog.
const QStringList FormRoles = {"frame", "dialog"};

// The name a screen reader speaks for a control: the text of the labels that name it (a buddy
// label), or else its own name. A list's own name on this platform is the item it shows.
QStringList namingLabels(const AccessibleNode &node)
{
    QStringList labels;
    for (const AccessibleNode::Label &label : node.labelledBy) {
        if (label.role == QLatin1String("label"))
            labels.append(label.name);
    }
    return labels;
}

QString spokenName(const AccessibleNode &node)
{
    const QStringList labels = namingLabels(node);
    return labels.isEmpty() ? node.name : labels.join(u' ');
}

QString shown(const AccessibleNode &node)
{
    return QStringLiteral("[%1] \"%2\"").arg(node.role, spokenName(node));
}

// The controls met so far, by what a screen reader says of them, with the form each is in.
using Heard = QMultiHash<QString, const AccessibleNode *>;

// The faults of one control, seen with the objects around it.
void judge(const AccessibleNode &node, const QList<const AccessibleNode *> &ancestors, Heard &heard,
           QStringList &faults)
{
    const bool control = ControlRoles.contains(node.role);
    const bool pressed = PressedRoles.contains(node.role);
    if (control && spokenName(node).trimmed().isEmpty())
        faults << QStringLiteral("[%1] has no name").arg(node.role);
    if (node.role == QLatin1String("combo box") && namingLabels(node).isEmpty())
        faults << shown(node) + QStringLiteral(" is named only by the item it shows");
    if (pressed && !node.has("focusable"))
        faults << shown(node) + QStringLiteral(" cannot be reached by the keyboard: text in a "
                                               "control's role?");
    if (pressed && node.actions.isEmpty())
        faults << shown(node) + QStringLiteral(" offers no action");
    for (const AccessibleNode *outer : ancestors) {
        if (pressed && PressedRoles.contains(outer->role))
            faults << shown(node) + QStringLiteral(" is inside ") + shown(*outer);
        if (!node.name.isEmpty() && node.role == outer->role && node.name == outer->name)
            faults << shown(node) + QStringLiteral(" is there twice, one inside the other");
        if (pressed && outer->role == QLatin1String("panel") && node.name == outer->name)
            faults << shown(node) + QStringLiteral(" is named after the group around it");
    }
    if (FieldRoles.contains(node.role) || ButtonRoles.contains(node.role)) {
        const AccessibleNode *form = nullptr;
        for (const AccessibleNode *outer : ancestors) {
            if (FormRoles.contains(outer->role))
                form = outer;
        }
        const QString said = shown(node) + u'\n' + node.description;
        const QList<const AccessibleNode *> formsHeard = heard.values(said);
        const bool alike = FieldRoles.contains(node.role)
                               ? !formsHeard.isEmpty()
                               : !formsHeard.isEmpty() && !formsHeard.contains(form);
        if (alike)
            faults << QStringLiteral("two %1 with nothing to tell them apart").arg(shown(node));
        heard.insert(said, form);
    }

    QList<const AccessibleNode *> inner = ancestors;
    inner.append(&node);
    for (const AccessibleNode &child : node.children)
        judge(child, inner, heard, faults);
}

QStringList faultsOf(const AccessibleNode &window)
{
    QStringList faults;
    Heard heard;
    judge(window, {}, heard, faults);
    return faults;
}

// The window that has the keyboard, or null.
const AccessibleNode *activeWindow(const Windows &windows)
{
    for (const AccessibleNode &window : windows) {
        if (window.has("active"))
            return &window;
    }
    return nullptr;
}

const AccessibleNode *findIn(const Windows &windows, const QString &role, const QString &name)
{
    for (const AccessibleNode &window : windows) {
        if (const AccessibleNode *found = window.find(role, name))
            return found;
    }
    return nullptr;
}

// The five readings, opened by their buttons, and the Karmic Profile, opened by its shortcut.
const char *const Readings[] = {"Karmic Astrology",      "Karmic Debt Number",
                                "Karmic Lesson Number",  "Zodiac Soulmate Sign",
                                "Zodiac Spiritual Sign", "Karmic Profile"};

} // namespace

class tst_ScreenReader : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void cleanupTestCase();
    void everyWindowReadsWell_data();
    void everyWindowReadsWell();

private:
    Windows read();
    // Reads the windows until `ready` holds of them; false after the timeout.
    bool waitUntil(const std::function<bool(const Windows &)> &ready);
    bool click(const QString &role, const QString &name);
    bool typeInto(const QString &field, const QString &text);
    bool bringUp(const QString &window);

    XDesktop m_desktop;
    NewUserHome m_home;
    QProcess m_program;
    QString m_readError;
};

void tst_ScreenReader::initTestCase()
{
    if (const QString missing = XDesktop::missingTool(); !missing.isEmpty())
        QSKIP(qPrintable(missing));
    if (!readsAccessibleTrees(QStringLiteral(PYTHON)))
        QSKIP("python3-pyatspi is not installed");

    QVERIFY(m_desktop.start(QStringLiteral("1366x768")));
    QVERIFY(m_home.isValid());
    QProcessEnvironment environment = m_home.programEnvironment(m_desktop);
    environment.insert(QStringLiteral("QT_LINUX_ACCESSIBILITY_ALWAYS_ON"), QStringLiteral("1"));
    m_program.setProcessEnvironment(environment);
    m_program.setProcessChannelMode(QProcess::ForwardedChannels);
    m_program.start(QStringLiteral(PROGRAM), {});
    QVERIFY(m_program.waitForStarted());
    QVERIFY2(waitUntil([](const Windows &windows) { return activeWindow(windows); }),
             qPrintable(QStringLiteral("the main window never became active: ") + m_readError));
}

void tst_ScreenReader::cleanupTestCase()
{
    XDesktop::stop(m_program);
}

Windows tst_ScreenReader::read()
{
    m_readError.clear();
    return readAccessibleWindows(QStringLiteral(PYTHON), QStringLiteral(ATSPI_TREE), Application,
                                 m_desktop.environment(), &m_readError);
}

bool tst_ScreenReader::waitUntil(const std::function<bool(const Windows &)> &ready)
{
    return QTest::qWaitFor([&] { return ready(read()); }, Timeout);
}

bool tst_ScreenReader::click(const QString &role, const QString &name)
{
    const AccessibleNode *target = nullptr;
    Windows windows;
    const bool found = QTest::qWaitFor(
        [&] {
            windows = read();
            target = findIn(windows, role, name);
            return target != nullptr;
        },
        Timeout);
    if (!found) {
        qWarning("no [%s] \"%s\" to click", qPrintable(role), qPrintable(name));
        return false;
    }
    m_desktop.click(target->centre());
    return true;
}

// Types into the text box a screen reader names `field`.
bool tst_ScreenReader::typeInto(const QString &field, const QString &text)
{
    const Windows windows = read();
    const AccessibleNode *box = nullptr;
    for (const AccessibleNode &window : windows) {
        box = window.find([&](const AccessibleNode &node) {
            return node.role == QLatin1String("text") && spokenName(node) == field;
        });
        if (box)
            break;
    }
    if (!box)
        return false;
    m_desktop.click(box->centre());
    m_desktop.xdotool({QStringLiteral("type"), text});
    return true;
}

// Drives the program from the window of the row before to this row's window, as a user would.
bool tst_ScreenReader::bringUp(const QString &window)
{
    const auto activeIs = [](const QString &role, const QString &name) {
        return [=](const Windows &windows) {
            const AccessibleNode *active = activeWindow(windows);
            return active && active->role == role && (name.isEmpty() || active->name == name);
        };
    };
    const auto showing = [](const QString &role, const QString &name) {
        return [=](const Windows &windows) { return findIn(windows, role, name) != nullptr; };
    };
    const QString reading = window.section(u',', 0, 0);
    const QString title = QStringLiteral("Lumo ") + reading;

    if (window == QLatin1String("main window"))
        return true;
    if (window == QLatin1String("Karmic Profile, input")) {
        m_desktop.key(QStringLiteral("ctrl+6"));
        return waitUntil(showing(QStringLiteral("frame"), title));
    }
    if (window.endsWith(QLatin1String(", input")))
        return click(QStringLiteral("push button"), reading) &&
               waitUntil(showing(QStringLiteral("frame"), title));
    if (window.endsWith(QLatin1String(", display"))) {
        const bool named = reading.startsWith(QLatin1String("Karmic Debt")) ||
                                   reading.startsWith(QLatin1String("Karmic Lesson")) ||
                                   reading.startsWith(QLatin1String("Karmic Profile"))
                               ? typeInto(QStringLiteral("First Name"), QStringLiteral("ANN")) &&
                                     typeInto(QStringLiteral("Last Name"), QStringLiteral("LEE"))
                               : typeInto(QStringLiteral("Name"), QStringLiteral("ANN"));
        if (!named)
            return false;
        m_desktop.key(QStringLiteral("Return"));
        return waitUntil(showing(QStringLiteral("push button"), QStringLiteral("Back")));
    }
    if (window == QLatin1String("report window"))
        return click(QStringLiteral("push button"), QStringLiteral("Print")) &&
               waitUntil(activeIs(QStringLiteral("dialog"), QString()));
    if (window == QLatin1String("About box")) {
        m_desktop.key(QStringLiteral("alt+h"));
        m_desktop.key(QStringLiteral("a"));
        return waitUntil(activeIs(QStringLiteral("dialog"), QString()));
    }
    if (window == QLatin1String("support dialog")) {
        const Windows windows = read();
        const AccessibleNode *quit = nullptr;
        for (const AccessibleNode &top : windows) {
            quit = top.find([](const AccessibleNode &node) {
                return node.role == QLatin1String("push button") &&
                       node.name == QLatin1String("Exit") &&
                       node.description == QLatin1String("Quits the program");
            });
            if (quit)
                break;
        }
        if (!quit)
            return false;
        m_desktop.click(quit->centre());
        return waitUntil([](const Windows &windows) {
            return findIn(windows, QStringLiteral("check box"),
                          QStringLiteral("Yes, take me to the forum now!"));
        });
    }
    return false;
}

void tst_ScreenReader::everyWindowReadsWell_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("closeWith"); // the keys that leave the window, if any
    QTest::newRow("main window") << "main window"
                                 << "";
    for (const char *reading : Readings) {
        for (const char *form : {"input", "display"}) {
            const QString window =
                QStringLiteral("%1, %2").arg(QLatin1String(reading), QLatin1String(form));
            QTest::newRow(qPrintable(window)) << window << "";
        }
        // The Karmic Astrology reading prints as a report.
        if (reading == Readings[0])
            QTest::newRow("report window") << "report window"
                                           << "Escape";
    }
    QTest::newRow("About box") << "About box"
                               << "Escape";
    QTest::newRow("support dialog") << "support dialog"
                                    << "alt+x";
}

void tst_ScreenReader::everyWindowReadsWell()
{
    QFETCH(QString, window);
    QFETCH(QString, closeWith);
    QVERIFY2(m_program.state() == QProcess::Running, "the program has ended");
    QVERIFY2(bringUp(window),
             qPrintable(QStringLiteral("could not open the window: ") + m_readError));

    const Windows windows = read();
    const AccessibleNode *active = activeWindow(windows);
    QVERIFY2(active, qPrintable(QStringLiteral("no window is active: ") + m_readError));
    const QStringList faults = faultsOf(*active);
    if (!faults.isEmpty())
        qInfo().noquote() << "The window as a screen reader reads it:\n" + active->dump();

    if (!closeWith.isEmpty()) {
        m_desktop.key(closeWith);
        if (window == QLatin1String("support dialog")) {
            QVERIFY(m_program.waitForFinished(Timeout));
            QCOMPARE(m_program.exitStatus(), QProcess::NormalExit);
            QCOMPARE(m_program.exitCode(), 0);
        } else {
            QVERIFY(waitUntil([](const Windows &windows) {
                const AccessibleNode *now = activeWindow(windows);
                return now && now->role == QLatin1String("frame");
            }));
        }
    }
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(u'\n')));
}

QTEST_GUILESS_MAIN(tst_ScreenReader)
#include "tst_screenreader.moc"
