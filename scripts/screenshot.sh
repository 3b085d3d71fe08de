#!/usr/bin/env bash
# Makes the pictures in docs/: the main window with a saved Karmic Astrology reading opened, drawn
# on Qt's offscreen platform: screenshot.png for the README, and the window maximised on a
# 1366x768 screen in a light and a dark palette. Builds the tool into build/ if needed.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j2 --target lumo_screenshot
mkdir -p docs
QT_QPA_PLATFORM=offscreen build/tools/lumo_screenshot docs/screenshot.png
laptop="offscreen:configfile=tests/app/screens/1366x768.json"
QT_QPA_PLATFORM=$laptop build/tools/lumo_screenshot --maximized docs/maximized-1366x768-light.png
QT_QPA_PLATFORM=$laptop build/tools/lumo_screenshot --maximized --dark \
    docs/maximized-1366x768-dark.png
echo "wrote docs/screenshot.png, docs/maximized-1366x768-light.png, docs/maximized-1366x768-dark.png"
