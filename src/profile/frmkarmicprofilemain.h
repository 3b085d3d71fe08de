#pragma once

#include "forms/inputform.h"
#include "karmicprofile.h"

#include <memory>

namespace Ui {
class frmKarmicProfileMain;
}

namespace Lumo {

// The Karmic Profile's input form: first, middle and last name and a date of birth, typed and
// checked as on the numerology forms, and the people shown before. Next shows all five readings
// of the person on the profile's display form and puts the person first among the recent people.
class frmKarmicProfileMain : public InputForm
{
    Q_OBJECT

public:
    frmKarmicProfileMain();
    ~frmKarmicProfileMain() override;

    void cmdNext_Click() override;
    // Fills the names and the date of birth with the recent person chosen in the list.
    void cboRecent_Click(int index);
    // Forgets every recent person.
    void mnuForgetRecent_Click();

    // The name and date of birth the form holds.
    Person person() const;

protected:
    void Form_Load() override;
    void Form_Unload() override;

private:
    void offerRecentPeople(const QList<Person> &people);
    void rememberShown(const Person &person);
    void saveRecentPeople();

    std::unique_ptr<Ui::frmKarmicProfileMain> ui;
    QList<Person> m_recentPeople;
    bool m_recentPeopleUnsaved = false;
};

} // namespace Lumo
