#pragma once

namespace Lumo {

// Asks about once a fortnight whether to look for a newer version of the program.
void UpdateReminder();

} // namespace Lumo
