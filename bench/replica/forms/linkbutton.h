#pragma once

// The replica's stand-in for the program's link button: the generated forms build a plain QLabel.
#include <QLabel>

namespace Lumo {
using LinkButton = QLabel;
} // namespace Lumo
