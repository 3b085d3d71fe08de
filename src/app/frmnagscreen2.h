#pragma once

namespace Lumo {

// Shown when the main window has closed; leaving it ends the program.
void showSupportDialog();

} // namespace Lumo
