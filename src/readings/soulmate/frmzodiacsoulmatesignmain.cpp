#include "frmzodiacsoulmatesignmain.h"

#include "forms/signforms_impl.h"
#include "modzodiacsoulmatesign.h"
#include "ui_frmzodiacsoulmatesignmain.h"

namespace Lumo {

template class SignInputForm<Ui::frmZodiacSoulmateSignMain, frmZodiacSoulmateSignDisplay>;

namespace {

// The table comes in two halves; the half that holds the year finds the sign.
std::optional<QString> findJunoSign(const QString &year, const QString &month, const QString &day)
{
    if (std::optional<QString> sign = FindJunoSign1930To1970(year, month, day))
        return sign;
    return FindJunoSign1971To2012(year, month, day);
}

} // namespace

frmZodiacSoulmateSignMain::frmZodiacSoulmateSignMain()
    : SignInputForm(1930, 2012, findJunoSign, &Ui::frmZodiacSoulmateSignMain::mnuFindSoulmateSign)
{
}

} // namespace Lumo
