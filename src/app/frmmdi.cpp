#include "frmmdi.h"
#include "ui_frmmdi.h"

#include "common/filenames.h"
#include "common/names.h"
#include "common/vendorpages.h"
#include "forms/desktop.h"
#include "forms/fixedcolours.h"
#include "forms/linkbutton.h"
#include "forms/screenplacement.h"
#include "forms/vendorlinks.h"
#include "frmabout.h"
#include "frmnagscreen2.h"
#include "profile/frmkarmicprofilemain.h"
#include "readings/astrology/frmkarmicastrologymain.h"
#include "readings/astrology/karfile.h"
#include "readings/numerology/numerologyforms.h"
#include "readings/soulmate/soulmateforms.h"
#include "readings/spiritual/spiritualforms.h"
#include "startup.h"
#include "updatereminder.h"

#include <QApplication>
#include <QButtonGroup>
#include <QChildEvent>
#include <QDataStream>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QMimeData>
#include <QMouseEvent>
#include <QScreen>
#include <QSettings>
#include <QShortcut>

#include <optional>

namespace Lumo {

namespace {
constexpr int FirstReadingCaption = 3;
constexpr QSize ClientArea(792, 546); // 11880 by 8190 twips
constexpr int KarmicAstrology = 0;    // the reading whose files can be opened

// What QWidget::saveGeometry keeps of a window, read back to check where the window was before it
// is put there again.
struct SavedPlacement
{
    QRect normal; // the client area when not maximised
    bool maximised = false;
};

// saveGeometry writes, in Qt's version 4.0 stream format, a magic number, its format's major and
// minor version, the frame and the normal geometry, the screen's number and the maximised state
// (then more that is not needed here). A record in another format gives nothing.
std::optional<SavedPlacement> readSavedPlacement(const QByteArray &record)
{
    QDataStream stream(record);
    stream.setVersion(QDataStream::Qt_4_0);
    quint32 magic = 0;
    quint16 majorVersion = 0;
    quint16 minorVersion = 0;
    QRect frame;
    SavedPlacement saved;
    qint32 screen = 0;
    quint8 maximised = 0;
    stream >> magic >> majorVersion >> minorVersion >> frame >> saved.normal >> screen >> maximised;
    constexpr quint32 GeometryMagic = 0x1D9D0CB;
    if (stream.status() != QDataStream::Ok || magic != GeometryMagic || majorVersion < 1 ||
        majorVersion > 3)
        return std::nullopt;
    saved.maximised = maximised != 0;
    return saved;
}

// The first file among the dragged addresses, or an empty text. A file on another computer is
// given by its address, to be refused by it when it is opened.
QString droppedFile(const QMimeData *data)
{
    for (const QUrl &url : data->urls()) {
        if (url.isLocalFile()) {
            const QString local = localFileFromUrl(url);
            return local.isEmpty() ? url.toString() : local;
        }
    }
    return QString();
}

constexpr QColor Black(0x00, 0x00, 0x00), White(0xff, 0xff, 0xff), Cyan(0x00, 0xff, 0xff),
    Red(0xff, 0x00, 0x00), Yellow(0xff, 0xff, 0x00), Green(0x00, 0xff, 0x00),
    Magenta(0xff, 0x00, 0xff);
// The welcome labels' text colours on the black panel, by label index.
constexpr QColor CaptionColours[] = {Cyan, Red, Cyan, Yellow, Cyan, Green, Red, Magenta, Yellow};

// A new input form of each reading, in the order of the reading buttons.
constexpr InputForm *(*const ReadingInputForms[])() = {
    []() -> InputForm * { return new frmKarmicAstrologyMain; },
    []() -> InputForm * { return new NumerologyInputForm(KarmicDebtNumber); },
    []() -> InputForm * { return new NumerologyInputForm(KarmicLessonNumber); },
    []() -> InputForm * { return new SignInputForm(ZodiacSoulmateSign); },
    []() -> InputForm * { return new SignInputForm(ZodiacSpiritualSign); }};
static_assert(std::size(ReadingInputForms) == frmMDI::ReadingCount);
} // namespace

frmMDI::frmMDI() : ui(std::make_unique<Ui::frmMDI>())
{
    ui->setupUi(this);
    m_readingCaptions = {ui->lblCaption_3, ui->lblCaption_4, ui->lblCaption_5, ui->lblCaption_6,
                         ui->lblCaption_7};
    m_readingButtons = new QButtonGroup(this);
    QPushButton *const readingButtons[] = {ui->cmdSelectOption_0, ui->cmdSelectOption_1,
                                           ui->cmdSelectOption_2, ui->cmdSelectOption_3,
                                           ui->cmdSelectOption_4};
    for (int i = 0; i < ReadingCount; ++i)
        m_readingButtons->addButton(readingButtons[i], i);
    setWindowTitle(AppTitle);
    setColours();
    connect(m_readingButtons, &QButtonGroup::idClicked, this, &frmMDI::OpenReading);
    for (int reading = 0; reading < ReadingCount; ++reading) {
        LinkButton *caption = readingCaption(reading);
        // They open a reading in this window, as the buttons above them do.
        caption->setAccessibleRole(QAccessible::Button);
        caption->setUnderlinedOnHover(true);
        connect(caption, &LinkButton::clicked, this,
                [this, reading] { lblCaption_Click(reading + FirstReadingCaption); });
    }
    // The Karmic Profile's caption under the readings' looks and works as theirs do.
    ui->lblCaption_8->setAccessibleRole(QAccessible::Button);
    ui->lblCaption_8->setUnderlinedOnHover(true);
    connect(ui->lblCaption_8, &LinkButton::clicked, this, &frmMDI::openKarmicProfile);
    connect(ui->mnuKarmicProfile, &QAction::triggered, this, &frmMDI::openKarmicProfile);
    // Its shortcut works while a reading's menus stand in the menu bar in place of the File menu.
    addAction(ui->mnuKarmicProfile);
    showPictures();
    // The window keeps room for the start panel while a reading covers it.
    QSizePolicy panelPolicy = ui->picMain->sizePolicy();
    panelPolicy.setRetainSizeWhenHidden(true);
    ui->picMain->setSizePolicy(panelPolicy);
    ui->Picture6->installEventFilter(this);

    // A reading's Exit has the same caption but closes only the reading.
    ui->cmdMdiExit->setAccessibleDescription(QStringLiteral("Quits the program"));
    connect(ui->cmdMdiExit, &QPushButton::clicked, this, &frmMDI::unload);
    connect(ui->mnuExit, &QAction::triggered, this, &frmMDI::unload);
    connect(ui->mnuAbout, &QAction::triggered, this, [this] { showAboutBox(this); });
    // The banner's strip is a larger target for the banner; Tab reaches the banner alone.
    ui->Picture6->setCursor(Qt::PointingHandCursor);
    connectVendorLinks({{ui->lblQuennetBanner, Page::Home},
                        {ui->Label7, Page::FullyBranded},
                        {ui->mnuOnline, Page::Help},
                        {ui->mnuVisit, Page::Home},
                        {ui->mnuUpdate, Page::Download},
                        {ui->mkmoney, Page::FullyBranded}});
    setAcceptDrops(true);
    setUpKeyboard();

    m_ownMenus = menuBar()->actions();
    connect(ui->mdiWorkspace, &QMdiArea::subWindowActivated, this, &frmMDI::showActiveFormMenus);
    // Sub-windows come and go in the workspace's viewport; each one shown or hidden decides
    // whether the start panel shows.
    ui->mdiWorkspace->viewport()->installEventFilter(this);
    // A form that goes (unloaded, closed) takes its menus with it, and the workspace need not
    // announce a new active form: the bar would be left empty.
    menuBar()->installEventFilter(this);
}

frmMDI::~frmMDI() = default;

QMdiArea *frmMDI::workspace() const
{
    return ui->mdiWorkspace;
}

QWidget *frmMDI::startPanel() const
{
    return ui->picMain;
}

// The strips, the welcome panel and their labels keep the design's colours under any palette.
// The buttons keep theirs in their style sheets: a palette would draw them with the style's bevel.
void frmMDI::setColours()
{
    setBackgroundColour(ui->Picture6, FixedColour::Strip);
    setFixedColours(ui->lblQuennetBanner, Black, White);
    setBackgroundColour(ui->picMain, Black);
    QWidget *const captions[] = {ui->lblCaption_0, ui->lblCaption_1, ui->lblCaption_2,
                                 ui->lblCaption_3, ui->lblCaption_4, ui->lblCaption_5,
                                 ui->lblCaption_6, ui->lblCaption_7, ui->lblCaption_8};
    static_assert(std::size(captions) == std::size(CaptionColours));
    for (std::size_t i = 0; i < std::size(captions); ++i)
        setTextColour(captions[i], CaptionColours[i]);
    setBackgroundColour(ui->PicCoBrand, FixedColour::Strip);
    setTextColour(ui->Label7, FixedColour::Link);
}

// Each picture is named, for screen readers, by what it shows.
void frmMDI::showPictures()
{
    const struct
    {
        QLabel *label;
        const char *file;
        const char *shows;
    } pictures[] = {{ui->Picture2, ":/pictures/sun.png", "Sun"},
                    {ui->Picture4, ":/pictures/star.png", "Star"},
                    {ui->Picture5, ":/pictures/planet.png", "Ringed planet"},
                    {ui->Picture7, ":/pictures/moon.png", "Crescent moon"},
                    {ui->Picture8, ":/pictures/stars.png", "Three stars"}};
    for (const auto &[label, file, shows] : pictures) {
        label->setPixmap(QPixmap(QLatin1String(file)));
        label->setScaledContents(true);
        label->setAccessibleName(QLatin1String(shows));
    }
}

LinkButton *frmMDI::readingCaption(int index) const
{
    return m_readingCaptions.at(index);
}

// As in any MDI program, the active form's own menus (its QMenu objects, with its actions) stand
// in the menu bar in place of the main window's; the main window's come back when no form with
// menus is active. The forms' own menu bars stay hidden.
void frmMDI::showActiveFormMenus()
{
    QList<QAction *> menus = m_ownMenus;
    QMdiSubWindow *active = ui->mdiWorkspace->currentSubWindow();
    if (auto *form =
            active && active->isVisible() ? qobject_cast<QMainWindow *>(active->widget()) : nullptr;
        form && form->menuWidget() && !form->menuWidget()->actions().isEmpty())
        menus = form->menuWidget()->actions();

    QMenuBar *bar = menuBar();
    if (bar->actions() == menus)
        return;
    for (QAction *menu : bar->actions())
        bar->removeAction(menu);
    bar->addActions(menus);
}

void frmMDI::Form_Load()
{
    restorePlacement();
    m_readingButtons->button(0)->setFocus();
}

// Where the window was when it last closed, if that still lies on a screen; otherwise the
// designed client area, centred on the primary screen and made to fit it. With nothing saved yet
// (the first start) the window fills the screen, which its screen-wide banner and centred
// captions are drawn for. A place kept by an earlier version, under keys of its own, is read
// here once: closing the window keeps it the new way.
void frmMDI::restorePlacement()
{
    const QSettings settings;
    QRect normal;
    bool maximised = true;
    if (settings.contains(WindowPlacementKey)) {
        const QByteArray placement = settings.value(WindowPlacementKey).toByteArray();
        const std::optional<SavedPlacement> saved = readSavedPlacement(placement);
        if (saved && liesOnAScreen(saved->normal) && restoreGeometry(placement))
            return;
        maximised = saved && saved->maximised;
    } else {
        normal = settings.value(OldWindowGeometryKey).toRect();
        maximised = settings.value(OldWindowMaximizedKey, true).toBool();
    }
    if (liesOnAScreen(normal)) {
        setGeometry(normal);
    } else if (const QScreen *screen = QGuiApplication::primaryScreen()) {
        const QSize designed(ClientArea.width(),
                             ClientArea.height() + menuBar()->sizeHint().height());
        Lumo::placeOnScreen(this, screen->availableGeometry(), designed,
                            VerticalPlacement::Centred);
    }
    if (maximised)
        setWindowState(windowState() | Qt::WindowMaximized);
}

// A client area lies on a screen when its frame lies wholly on one screen's available area and
// it is no smaller than the window can be.
bool frmMDI::liesOnAScreen(const QRect &normal)
{
    const QScreen *screen = normal.isValid() ? QGuiApplication::screenAt(normal.center()) : nullptr;
    const QSize smallest = minimumSize().expandedTo(minimumSizeHint());
    return screen &&
           screen->availableGeometry().contains(normal.marginsAdded(windowFrameMargins(this))) &&
           normal.width() >= smallest.width() && normal.height() >= smallest.height();
}

void frmMDI::storePlacement()
{
    // A window put back where it was writes no settings: each write replaces the whole file.
    QSettings settings;
    const QByteArray placement = saveGeometry();
    if (settings.value(WindowPlacementKey).toByteArray() != placement)
        settings.setValue(WindowPlacementKey, placement);
    settings.remove(OldWindowGeometryKey);
    settings.remove(OldWindowMaximizedKey);
}

// Ctrl+1 to Ctrl+5 click the reading buttons, in the order of their indexes, wherever the focus
// is in the window; their tooltips say so. F6 (and Shift+F6) moves the focus between the reading
// open in the workspace and the window's own controls.
void frmMDI::setUpKeyboard()
{
    for (int reading = 0; reading < ReadingCount; ++reading) {
        QAbstractButton *button = m_readingButtons->button(reading);
        button->setShortcut(QKeySequence(Qt::CTRL | Qt::Key(Qt::Key_1 + reading)));
        button->setToolTip(
            QStringLiteral("Open the %1 reading (%2)")
                .arg(button->text(), button->shortcut().toString(QKeySequence::NativeText)));
    }
    for (const QKeySequence &key :
         {QKeySequence(Qt::Key_F6), QKeySequence(Qt::SHIFT | Qt::Key_F6)}) {
        auto *shortcut = new QShortcut(key, this);
        connect(shortcut, &QShortcut::activated, this, &frmMDI::switchFocusArea);
    }
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget *, QWidget *now) {
        if (now && isAncestorOf(now) && !ui->mdiWorkspace->isAncestorOf(now))
            m_ownFocus = now;
    });
}

// The reading's form that shows in the workspace (its input or its display form), if any.
QMdiSubWindow *frmMDI::shownReading() const
{
    const QList<QMdiSubWindow *> windows = ui->mdiWorkspace->subWindowList();
    const auto shown =
        std::find_if(windows.cbegin(), windows.cend(),
                     [](const QMdiSubWindow *window) { return window->isVisible(); });
    return shown == windows.cend() ? nullptr : *shown;
}

// From the reading to the window's own control that last had the focus (the first reading
// button if none did), and back to the reading's control that last had it.
void frmMDI::switchFocusArea()
{
    QMdiSubWindow *reading = shownReading();
    if (!reading)
        return;
    if (reading->isAncestorOf(QApplication::focusWidget())) {
        QWidget *own = m_ownFocus && m_ownFocus->isVisible() && m_ownFocus->isEnabled()
                           ? m_ownFocus.data()
                           : m_readingButtons->button(0);
        own->setFocus(Qt::ShortcutFocusReason);
        return;
    }
    ui->mdiWorkspace->setActiveSubWindow(reading);
    QWidget *form = reading->widget();
    QWidget *target = form->focusWidget();
    // A form not yet visited takes the focus at its first control, as Tab would give it.
    for (QWidget *next = form->nextInFocusChain(); !target && next != form;
         next = next->nextInFocusChain()) {
        if (form->isAncestorOf(next) && (next->focusPolicy() & Qt::TabFocus) && next->isVisible() &&
            next->isEnabled())
            target = next;
    }
    if (target)
        target->setFocus(Qt::ShortcutFocusReason);
}

// The start panel shows exactly while no reading form shows in the workspace.
void frmMDI::showStartPanelWhenNoFormShows()
{
    const QList<QMdiSubWindow *> windows = ui->mdiWorkspace->subWindowList();
    ui->picMain->setVisible(
        std::all_of(windows.cbegin(), windows.cend(),
                    [](const QMdiSubWindow *window) { return window->isHidden(); }));
}

bool frmMDI::eventFilter(QObject *watched, QEvent *event)
{
    QWidget *viewport = ui->mdiWorkspace->viewport();
    if (watched == viewport) {
        // A sub-window is announced while it is still being constructed, so it is not yet
        // known as one; the filter looks again when its events come.
        if (event->type() == QEvent::ChildAdded) {
            QObject *child = static_cast<QChildEvent *>(event)->child();
            if (child->isWidgetType())
                child->installEventFilter(this);
        } else if (event->type() == QEvent::ChildRemoved) {
            // A sub-window deleted while it showed is still in the workspace's own list until
            // the workspace has seen it go; laying the main window out before that trips it.
            QMetaObject::invokeMethod(this, &frmMDI::showStartPanelWhenNoFormShows,
                                      Qt::QueuedConnection);
        }
        return Form::eventFilter(watched, event);
    }
    if (watched->parent() == viewport) {
        auto *window = qobject_cast<QMdiSubWindow *>(watched);
        if (!window)
            return Form::eventFilter(watched, event);
        // A new sub-window is hidden once before it is ever shown; that changes nothing.
        const bool shownBefore = window->testAttribute(Qt::WA_WState_Created);
        if (event->type() == QEvent::ShowToParent ||
            (event->type() == QEvent::HideToParent && shownBefore))
            showStartPanelWhenNoFormShows();
        return Form::eventFilter(watched, event);
    }
    if (watched == menuBar() && event->type() == QEvent::ActionRemoved)
        QMetaObject::invokeMethod(this, &frmMDI::showActiveFormMenus, Qt::QueuedConnection);
    else if (watched == ui->Picture6 && event->type() == QEvent::MouseButtonRelease)
        Picture6_MouseUp(static_cast<QMouseEvent *>(event));
    return Form::eventFilter(watched, event);
}

void frmMDI::Form_Unload()
{
    storePlacement();
    closeReadings();
    MDIForm_Unload();
}

void frmMDI::closeReadings()
{
    ui->mdiWorkspace->closeAllSubWindows();
}

// The new form lives in a sub-window of the workspace, hidden until it is shown.
void frmMDI::createMdiChild(ReadingForm *form)
{
    connect(form, &ReadingForm::aboutRequested, this, &frmMDI::showAboutBox);
    form->open(ui->mdiWorkspace);
}

InputForm *frmMDI::activeMdiChild() const
{
    for (QMdiSubWindow *window : ui->mdiWorkspace->subWindowList()) {
        auto *form = qobject_cast<InputForm *>(window->widget());
        if (form && form->isLoaded())
            return form;
    }
    return nullptr;
}

void frmMDI::MDIForm_Unload()
{
    showSupportDialog();
}

void frmMDI::showInputForm(int index)
{
    if (index < 0 || index >= ReadingCount)
        return;
    showInputForm(ReadingInputForms[index]());
}

void frmMDI::showInputForm(InputForm *input)
{
    connect(input, &InputForm::updateReminderDue, this, [this] { UpdateReminder(this); });
    createMdiChild(input);
    input->showForm();
    input->placeAtTopCentre();
}

void frmMDI::OpenReading(int index)
{
    closeReadings();
    ui->picMain->hide();
    showInputForm(index);
}

void frmMDI::openKarmicProfile()
{
    closeReadings();
    ui->picMain->hide();
    showInputForm(new frmKarmicProfileMain);
}

bool frmMDI::openSavedReading(const QString &filePath)
{
    const SavedReadingFile saved = readSavedReading(filePath);
    if (!saved.fields) {
        showCritical(this, savedReadingRefusalMessage(filePath, saved.refusal));
        return false;
    }
    OpenReading(KarmicAstrology);
    auto *input = qobject_cast<frmKarmicAstrologyMain *>(activeMdiChild());
    return input && input->showSavedReading(*saved.fields);
}

void frmMDI::dragEnterEvent(QDragEnterEvent *event)
{
    if (!droppedFile(event->mimeData()).isEmpty())
        event->acceptProposedAction();
}

void frmMDI::dropEvent(QDropEvent *event)
{
    const QString filePath = droppedFile(event->mimeData());
    if (filePath.isEmpty())
        return;
    event->acceptProposedAction();
    openSavedReading(filePath);
}

void frmMDI::lblCaption_Click(int index)
{
    if (index < FirstReadingCaption)
        closeReadings();
    else
        OpenReading(index - FirstReadingCaption);
}

// A click on the banner's strip is a click on the banner. The release comes to the strip only
// when the press did.
void frmMDI::Picture6_MouseUp(const QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton &&
        ui->Picture6->rect().contains(event->position().toPoint()))
        ui->lblQuennetBanner->click();
}

void frmMDI::showAboutBox(QWidget *over)
{
    frmAbout about(over);
    about.exec();
}

} // namespace Lumo
