#pragma once

// The replica's stand-in for the program's link label: the generated forms build a plain QLabel.
#include <QLabel>

namespace Lumo {
using ClickableLabel = QLabel;
} // namespace Lumo
