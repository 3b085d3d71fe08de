#include "frmzodiacspiritualsignmain.h"

#include "modzodiacspiritualsign.h"

namespace Lumo {

frmZodiacSpiritualSignMain::frmZodiacSpiritualSignMain() : SignInputForm(1900, 2024, neptuneSignOn)
{
}

} // namespace Lumo
