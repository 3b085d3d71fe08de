#include "frmkarmicprofilemain.h"
#include "ui_frmkarmicprofilemain.h"

#include "common/birthyears.h"
#include "frmkarmicprofiledisplay.h"
#include "recentpeople.h"

#include <QTimer>

namespace Lumo {

frmKarmicProfileMain::frmKarmicProfileMain()
    : InputForm({.firstYear = FirstBirthYear, .lastYear = LastBirthYear, .remindsUpdate = true}),
      ui(std::make_unique<Ui::frmKarmicProfileMain>())
{
    ui->setupUi(this);
    connectInputControls(threeNameControls(*ui));
    connectMenuLinks(*ui, ui->mkmoney);
    connect(ui->cboRecent, &QComboBox::activated, this, &frmKarmicProfileMain::cboRecent_Click);
    connect(ui->mnuForgetRecent, &QAction::triggered, this,
            &frmKarmicProfileMain::mnuForgetRecent_Click);
}

frmKarmicProfileMain::~frmKarmicProfileMain() = default;

void frmKarmicProfileMain::Form_Load()
{
    InputForm::Form_Load();
    offerRecentPeople(recentPeople());
}

// The list offers the recent people and nothing else; none is chosen until the user chooses one.
void frmKarmicProfileMain::offerRecentPeople(const QList<Person> &people)
{
    m_recentPeople = people;
    ui->cboRecent->clear();
    for (const Person &person : std::as_const(m_recentPeople))
        ui->cboRecent->addItem(personText(person));
    ui->cboRecent->setCurrentIndex(-1);
    const bool any = !m_recentPeople.isEmpty();
    ui->cboRecent->setPlaceholderText(any ? QStringLiteral("Choose a person shown before")
                                          : QStringLiteral("None yet"));
    ui->cboRecent->setEnabled(any);
    ui->lblRecent->setEnabled(any);
    ui->mnuForgetRecent->setEnabled(any);
}

Person frmKarmicProfileMain::person() const
{
    return {ui->txtFirstName->text().trimmed(), ui->txtMiddleName->text().trimmed(),
            ui->txtLastName->text().trimmed(),
            QDate(ui->cboYear->currentText().toInt(), ui->cboMonth->currentIndex() + 1,
                  ui->cboDate->currentText().toInt())};
}

void frmKarmicProfileMain::cmdNext_Click()
{
    if (!ValidateEntry())
        return;
    const Person shown = person();
    // The display form shows first, at its size, so that its document is laid out only once.
    auto *display = displayForm<frmKarmicProfileDisplay>();
    handOverTo(display);
    display->showProfile(karmicProfile(shown));
    rememberShown(shown);
}

// The list offers the person first at once. The settings file is written once control is back in
// the event loop, so that a click that shows the profile does not wait for the disk.
void frmKarmicProfileMain::rememberShown(const Person &person)
{
    const QList<Person> people = withPersonFirst(m_recentPeople, person);
    if (people == m_recentPeople)
        return;
    offerRecentPeople(people);
    if (!m_recentPeopleUnsaved) {
        m_recentPeopleUnsaved = true;
        QTimer::singleShot(0, this, &frmKarmicProfileMain::saveRecentPeople);
    }
}

void frmKarmicProfileMain::saveRecentPeople()
{
    if (!m_recentPeopleUnsaved)
        return;
    m_recentPeopleUnsaved = false;
    storeRecentPeople(m_recentPeople);
}

void frmKarmicProfileMain::Form_Unload()
{
    saveRecentPeople();
    InputForm::Form_Unload();
}

void frmKarmicProfileMain::cboRecent_Click(int index)
{
    if (index < 0 || index >= m_recentPeople.size())
        return;
    const Person &chosen = m_recentPeople.at(index);
    ui->txtFirstName->setText(chosen.firstName);
    ui->txtMiddleName->setText(chosen.middleName);
    ui->txtLastName->setText(chosen.lastName);
    const QDate &date = chosen.birthDate;
    ui->cboDate->setCurrentIndex(date.day() - 1);
    ui->cboMonth->setCurrentIndex(date.month() - 1);
    ui->cboYear->setCurrentIndex(ui->cboYear->findText(QString::number(date.year())));
}

void frmKarmicProfileMain::mnuForgetRecent_Click()
{
    m_recentPeopleUnsaved = false;
    forgetRecentPeople();
    offerRecentPeople({});
}

} // namespace Lumo
