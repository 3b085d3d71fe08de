#!/usr/bin/env bash
# Makes the README's picture, docs/screenshot.png: the main window with a saved Karmic Astrology
# reading opened, drawn on Qt's offscreen platform. Builds the tool into build/ if needed.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j2 --target lumo_screenshot
mkdir -p docs
QT_QPA_PLATFORM=offscreen build/tools/lumo_screenshot docs/screenshot.png
echo "wrote docs/screenshot.png"
