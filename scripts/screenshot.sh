#!/usr/bin/env bash
# Makes the pictures in docs/, each of a first start with a saved Karmic Astrology reading opened:
#   first-start-1920x1080.png, first-start-1920x1080-gtk-dark.png: the real program as a new user
#     meets it on a 1920x1080 X server (Xvfb) under a window manager (openbox), with Qt's own
#     theme and with the GTK platform theme's dark Adwaita; the first is the README's picture;
#   maximized-1366x768-light.png, maximized-1366x768-dark.png: drawn on Qt's offscreen platform on
#     a 1366x768 screen in a light and a dark palette.
# Needs xvfb, openbox, xdotool, imagemagick and qt6-gtk-platformtheme with gnome-themes-extra.
# Builds the program and the drawing tool into build/ if needed.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=ON >/dev/null
cmake --build build -j2 --target LumoFreeTessaray lumo_screenshot
mkdir -p docs

work=$(mktemp -d)
xvfb=
trap 'kill $xvfb $(jobs -p) 2>/dev/null || true; rm -rf "$work"' EXIT
cp tests/fuzz/corpus/ann-5-may-1960.kar "$work/ann.kar"

exec 3< <(exec Xvfb -displayfd 1 -screen 0 1920x1080x24 -nolisten tcp 2>/dev/null)
xvfb=$!
read -r -u 3 display
export DISPLAY=":$display"
openbox >/dev/null 2>&1 &
until xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; do sleep 0.1; done

# A new user's folders, the program started with the reading, the whole screen once it settled.
desktop_picture() { # PICTURE [ENVIRONMENT...]
    local picture=$1 home="$work/home"
    shift
    rm -rf "$home" && mkdir -m 700 -p "$home/run"
    env HOME="$home" XDG_CONFIG_HOME="$home/config" XDG_RUNTIME_DIR="$home/run" \
        QT_QPA_PLATFORM=xcb "$@" build/src/LumoFreeTessaray "$work/ann.kar" &
    local program=$!
    xdotool search --sync --onlyvisible --class LumoFreeTessaray >/dev/null
    sleep 2
    import -window root "$picture"
    kill "$program" && wait "$program" || true
}
desktop_picture docs/first-start-1920x1080.png
desktop_picture docs/first-start-1920x1080-gtk-dark.png \
    QT_QPA_PLATFORMTHEME=gtk3 GTK_THEME=Adwaita:dark

laptop="offscreen:configfile=tests/app/screens/1366x768.json"
QT_QPA_PLATFORM=$laptop build/tools/lumo_screenshot docs/maximized-1366x768-light.png
QT_QPA_PLATFORM=$laptop build/tools/lumo_screenshot --dark docs/maximized-1366x768-dark.png
echo "wrote docs/first-start-1920x1080.png, docs/first-start-1920x1080-gtk-dark.png," \
    "docs/maximized-1366x768-light.png, docs/maximized-1366x768-dark.png"
