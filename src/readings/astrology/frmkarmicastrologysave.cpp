#include "frmkarmicastrologysave.h"
#include "ui_frmkarmicastrologysave.h"

#include "common/filenames.h"
#include "common/vendorpages.h"
#include "common/wholefile.h"
#include "forms/desktop.h"
#include "forms/documentprinting.h"
#include "forms/fixedcolours.h"
#include "forms/focusframe.h"
#include "forms/linkclicks.h"
#include "forms/screenplacement.h"
#include "forms/textboxes.h"
#include "forms/vendorlinks.h"
#include "karfile.h"
#include "nodereading.h"
#include "reportsegments.h"

#include <QComboBox>
#include <QPrinter>
#include <QScreen>
#include <QScrollBar>
#include <QTextDocument>
#include <QTextDocumentFragment>

namespace Lumo {

namespace {

const QString KarFileTitle = QStringLiteral("Lumo Free Karmic Astrology");
const QString KarFileFilter = QStringLiteral("Lumo Free Karmic Astrology (*.kar)");

// Bold is the emphasis of the label segments.
void applySettings(QTextCharFormat &format, const ReportSegment &segment)
{
    using Emphasis = ReportSegment::Emphasis;
    using Colour = ReportSegment::Colour;
    if (segment.emphasis != Emphasis::Default)
        format.setFontWeight(segment.emphasis == Emphasis::On ? QFont::Bold : QFont::Normal);
    if (segment.colour != Colour::Default)
        format.setForeground(segment.colour == Colour::Red ? QColor(255, 0, 0) : QColor(0, 0, 0));
}

} // namespace

frmKarmicAstrologySave::frmKarmicAstrologySave(const NodeReadingData &reading, QWidget *parent)
    : QDialog(parent), ui(std::make_unique<Ui::frmKarmicAstrologySave>()), m_reading(reading)
{
    ui->setupUi(this);
    for (QWidget *link : {ui->Label14, ui->Label1, ui->lblFullBrand, ui->lblCobrand})
        setFixedColours(link, FixedColour::Link, FixedColour::ClassicWindow);
    // The report's own colours are black and red: it is black on white under any palette.
    QPalette box = ui->RTB->palette();
    box.setColor(QPalette::Base, FixedColour::ClassicBase);
    box.setColor(QPalette::Text, FixedColour::ClassicText);
    box.setColor(QPalette::Link, FixedColour::ClassicLink);
    ui->RTB->setPalette(box);
    drawFocusOfEveryControl(this);
    connect(ui->cmdSave, &QPushButton::clicked, this, &frmKarmicAstrologySave::cmdSave_Click);
    connect(ui->cmdPrint, &QPushButton::clicked, this, &frmKarmicAstrologySave::cmdprint_Click);
    connectVendorLinks({{ui->Label14, Page::Home},
                        {ui->Label1, Page::Home},
                        {ui->lblFullBrand, Page::FullyBranded},
                        {ui->lblCobrand, Page::CoBrand}});
    preventCopying(ui->RTB);
    // The heading above the report is a link: the window opens on the report itself, and Return
    // presses Save.
    ui->RTB->setFocus();
    Form_Load();
}

frmKarmicAstrologySave::~frmKarmicAstrologySave() = default;

void frmKarmicAstrologySave::Form_Load()
{
    placeAtTopCentre();
    EnableLinkClicks(ui->RTB);
    insertReport();
}

// On a screen too short for the designed window, the report box gives up height (down to a few
// lines; the report scrolls inside it) and the window takes the screen's height.
void frmKarmicAstrologySave::placeAtTopCentre()
{
    const QScreen *screen = parentWidget() ? parentWidget()->screen() : this->screen();
    if (!screen)
        return;
    const QRect area = screen->availableGeometry();
    const QMargins frame = windowFrameMargins(this);
    QLayout *layout = this->layout();
    const QSize designed(layout->totalSizeHint().width(),
                         layout->totalHeightForWidth(layout->totalSizeHint().width()));
    if (designed.height() + frame.top() + frame.bottom() > area.height()) {
        ui->RTB->setMinimumHeight(
            qMin(ui->RTB->minimumHeight(), heightForLines(ui->RTB, SqueezedTextBoxLines)));
        layout->invalidate();
    }
    // The labels below the buttons wrap to more lines the narrower the window is, which the
    // minimum size Qt gives a window leaves out: the window is never made shorter than its
    // layout needs at its narrowest, so the buttons never cover the report.
    setMinimumHeight(layout->totalMinimumHeightForWidth(layout->totalMinimumSize().width()));
    placeOnScreen(this, area, designed, VerticalPlacement::Top);
}

// Each segment goes in at the caret with its emphasis and colour set first; the first one keeps
// the box's defaults and the caret ends after the last.
void frmKarmicAstrologySave::insertReport()
{
    QTextCursor caret = ui->RTB->textCursor();
    QTextCharFormat format = caret.charFormat();
    const QString vendorHome = vendorPageUrl(Page::Home).toString();
    for (const ReportSegment &segment : reportSegments(reportFields(m_reading), vendorHome)) {
        applySettings(format, segment);
        caret.insertText(segment.text, format);
    }
    ui->RTB->setTextCursor(caret);
}

// The report box scrolls to its caret, at the end of the report, when it first shows; the reader
// starts at the top.
void frmKarmicAstrologySave::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    ui->RTB->verticalScrollBar()->setValue(0);
}

void frmKarmicAstrologySave::done(int result)
{
    if (!m_unloaded) {
        m_unloaded = true;
        Form_Unload();
    }
    QDialog::done(result);
}

void frmKarmicAstrologySave::Form_Unload()
{
    DisableLinkClicks(ui->RTB);
}

// The file is written whole or not at all: an existing file stays as it was when writing fails.
void frmKarmicAstrologySave::cmdSave_Click()
{
    const FileDialogRequest request{.title = KarFileTitle,
                                    .filter = KarFileFilter,
                                    .defaultSuffix = QStringLiteral("kar"),
                                    .suggestedName =
                                        suggestedFileName(m_reading.name, QStringLiteral("kar"))};
    const QString fileName = askSaveFileName(this, request);
    if (fileName.isEmpty())
        return;

    const QByteArray bytes =
        encodeKarFile(m_reading.name, m_reading.day, m_reading.monthName, m_reading.year);
    const QString failure = writeWholeFile(fileName, bytes);
    if (!failure.isEmpty())
        showCritical(this, saveFailureMessage(fileName, failure));
}

// Prints the selected part of the report when there is one, otherwise all of it, with its
// formatting. A PDF file is titled with the reading's name.
void frmKarmicAstrologySave::cmdprint_Click()
{
    const QTextCursor caret = ui->RTB->textCursor();
    const bool hasSelection = caret.hasSelection();
    QAbstractPrintDialog::PrintDialogOptions options = DocumentPrintOptions;
    options.setFlag(QAbstractPrintDialog::PrintSelection, hasSelection);
    const auto range =
        hasSelection ? QAbstractPrintDialog::Selection : QAbstractPrintDialog::AllPages;

    QPrinter printer;
    printer.setDocName(QStringLiteral("Karmic Astrology Report of %1").arg(m_reading.name));
    printer.setPrintRange(QPrinter::PrintRange(range));
    if (!Desktop::instance().choosePrinter(this, printer, options, range))
        return;

    QString failure;
    if (hasSelection && printer.printRange() == QPrinter::Selection) {
        QTextDocument selection;
        selection.setDefaultFont(ui->RTB->document()->defaultFont());
        QTextCursor(&selection).insertFragment(caret.selection());
        failure = printDocument(selection, printer);
    } else {
        failure = printDocument(*ui->RTB->document(), printer);
    }
    if (failure.isEmpty())
        return;
    showCritical(this, printFailureMessage(QStringLiteral("report"), printer, failure));
}

} // namespace Lumo
