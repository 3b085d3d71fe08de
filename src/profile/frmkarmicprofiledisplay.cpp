#include "frmkarmicprofiledisplay.h"
#include "ui_frmkarmicprofiledisplay.h"

#include "common/filenames.h"
#include "forms/desktop.h"
#include "forms/documentprinting.h"
#include "forms/fixedcolours.h"
#include "forms/textboxes.h"
#include "profiledocument.h"

#include <QPrinter>

namespace Lumo {

frmKarmicProfileDisplay::frmKarmicProfileDisplay()
    : ui(std::make_unique<Ui::frmKarmicProfileDisplay>())
{
    ui->setupUi(this);
    // The document's own colours are black and red, as on paper: it is black on white under any
    // palette.
    QPalette box = ui->txtProfile->palette();
    box.setColor(QPalette::Base, FixedColour::ClassicBase);
    box.setColor(QPalette::Text, FixedColour::ClassicText);
    ui->txtProfile->setPalette(box);
    // Text in a script that needs no shaping (Latin, as the readings' texts) is laid out without
    // it: the long document lays out in a third of the time, giving up only kerning and
    // ligatures. Text in a script that needs shaping is shaped all the same.
    QFont font = ui->txtProfile->font();
    font.setStyleStrategy(QFont::PreferNoShaping);
    ui->txtProfile->setFont(font);
    ui->txtProfile->setAccessibleName(QStringLiteral("Karmic Profile"));
    preventCopying(ui->txtProfile);
    connectDisplayControls(ui->cmdBack, ui->cmdExit, ui->mnuFileBack, ui->mnuExit);
    connectMenuLinks(*ui, ui->mkmoney);
    connect(ui->cmdPrint, &QPushButton::clicked, this, &frmKarmicProfileDisplay::cmdPrint_Click);
    connect(ui->mnuPrint, &QAction::triggered, this, &frmKarmicProfileDisplay::cmdPrint_Click);
    connect(ui->cmdSavePdf, &QPushButton::clicked, this,
            &frmKarmicProfileDisplay::cmdSavePdf_Click);
    connect(ui->mnuSavePdf, &QAction::triggered, this, &frmKarmicProfileDisplay::cmdSavePdf_Click);
}

frmKarmicProfileDisplay::~frmKarmicProfileDisplay() = default;

void frmKarmicProfileDisplay::showProfile(const KarmicProfile &profile)
{
    m_profile = profile;
    writeProfileDocument(profile, *ui->txtProfile->document());
    ui->txtProfile->moveCursor(QTextCursor::Start);
}

const QTextDocument &frmKarmicProfileDisplay::document() const
{
    return *ui->txtProfile->document();
}

void frmKarmicProfileDisplay::cmdPrint_Click()
{
    QPrinter printer;
    printer.setDocName(profileTitle(m_profile.person));
    if (!Desktop::instance().choosePrinter(this, printer, DocumentPrintOptions,
                                           QAbstractPrintDialog::AllPages))
        return;
    const QString failure = printDocument(document(), printer);
    if (failure.isEmpty())
        return;
    showCritical(this, printFailureMessage(QStringLiteral("profile"), printer, failure));
}

// The PDF is written whole or not at all: an earlier file of that name stays as it was when
// writing fails.
void frmKarmicProfileDisplay::cmdSavePdf_Click()
{
    const QString name = m_profile.person.fullName();
    const FileDialogRequest request{.title = QStringLiteral("Save as PDF"),
                                    .filter = QStringLiteral("PDF files (*.pdf)"),
                                    .defaultSuffix = QStringLiteral("pdf"),
                                    .suggestedName =
                                        suggestedFileName(name, QStringLiteral("pdf"))};
    const QString fileName = askSaveFileName(this, request);
    if (fileName.isEmpty())
        return;
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(fileName);
    printer.setDocName(profileTitle(m_profile.person));
    const QString failure = printDocument(document(), printer);
    if (!failure.isEmpty())
        showCritical(this, saveFailureMessage(fileName, failure));
}

} // namespace Lumo
