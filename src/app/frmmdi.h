#pragma once

#include "forms/form.h"

#include <QPointer>

#include <algorithm>
#include <array>
#include <memory>

class QButtonGroup;

namespace Ui {
class frmMDI;
}

namespace Lumo {

class InputForm;
class LinkButton;
class ReadingForm;

// The main window: the banner, the five reading buttons, the welcome panel over the workspace in
// which the reading forms open, and the exit strip.
class frmMDI : public Form
{
    Q_OBJECT

public:
    frmMDI();
    ~frmMDI() override;

    static constexpr int ReadingCount = 5;

    QMdiArea *workspace() const;
    QWidget *startPanel() const;

    void OpenReading(int index);
    // Opens the Karmic Profile's input form in place of any reading.
    void openKarmicProfile();
    // Checks the saved ".kar" file first; a refused file gives Open's message and changes
    // nothing on screen. A good one opens the Karmic Astrology reading with the file's fields
    // and shows it. True when the reading was shown.
    bool openSavedReading(const QString &filePath);
    void lblCaption_Click(int index);

    // The start panel's caption that opens the reading of the index.
    LinkButton *readingCaption(int index) const;
    // The reading's input form in the workspace, or null while no reading is open.
    InputForm *activeMdiChild() const;
    // Closes the forms of the reading open in the workspace; the start panel shows again.
    void closeReadings();

protected:
    void Form_Load() override;
    void Form_Unload() override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    // A file dropped on the window opens as a saved reading.
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dropEvent(QDropEvent *event) override;

private:
    void MDIForm_Unload();
    void Picture6_MouseUp(const QMouseEvent *event);
    void showAboutBox(QWidget *over);
    void createMdiChild(ReadingForm *form);
    void showStartPanelWhenNoFormShows();
    void setUpKeyboard();
    QMdiSubWindow *shownReading() const;
    void switchFocusArea();

    void showInputForm(int index);
    void showInputForm(InputForm *input);
    void setColours();
    void restorePlacement();
    bool liesOnAScreen(const QRect &normal);
    void storePlacement();
    void showPictures();
    void showActiveFormMenus();

    std::unique_ptr<Ui::frmMDI> ui;
    // The reading buttons, each with the index of its reading as its id.
    QButtonGroup *m_readingButtons = nullptr;
    std::array<LinkButton *, ReadingCount> m_readingCaptions{};
    QList<QAction *> m_ownMenus;
    // The window's own control (not a reading's) that last had the focus.
    QPointer<QWidget> m_ownFocus;
};

// Where the main window's size, position and state are kept in the program's settings: what
// QWidget::saveGeometry gives.
inline const QString WindowPlacementKey = QStringLiteral("Settings/MainWindowGeometry");
// Where earlier versions kept them: the client area when last shown normal (not maximised), and
// whether the window was maximised. Read once, never written.
inline const QString OldWindowGeometryKey = QStringLiteral("Settings/WindowGeometry");
inline const QString OldWindowMaximizedKey = QStringLiteral("Settings/WindowMaximized");

} // namespace Lumo
