#include "updatereminder.h"

namespace Lumo {

void UpdateReminder() {}

} // namespace Lumo
