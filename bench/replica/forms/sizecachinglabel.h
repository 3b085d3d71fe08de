#pragma once

// The replica's stand-in for the program's text label: the generated forms build a plain QLabel.
#include <QLabel>

namespace Lumo {
using SizeCachingLabel = QLabel;
} // namespace Lumo
