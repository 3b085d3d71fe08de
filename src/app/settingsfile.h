#pragma once

namespace Lumo {

// Checks the program's settings files before anything reads them (call once the application
// object has the program's name). Where one, or the lock file beside it, is not a regular file (a
// FIFO, which would block the start, a device, a folder, or a link to one or to nothing), it is
// left alone: the program says so once on standard error, and its settings live in memory until it
// ends, starting from the defaults. A settings lock left under this process's own id by a copy that
// crashed in a sandbox is removed, so that the first save of the settings does not wait for it.
void checkSettingsFiles();

} // namespace Lumo
