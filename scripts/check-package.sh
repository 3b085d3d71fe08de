#!/usr/bin/env bash
# Unpacks the Debian package into a temporary root and checks that the program, its menu entry,
# its icon and its AppStream data are where the menu entry points, and that the program starts.
set -euo pipefail
deb=$1
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT

dpkg-deb --field "$deb" Depends | grep -q libqt6widgets6 \
    || { echo "the package does not depend on Qt's widgets library"; exit 1; }
dpkg -x "$deb" "$root"

id=org.lumotessaray.LumoFreeTessaray
desktop=$root/usr/share/applications/$id.desktop
for file in "$desktop" "$root/usr/share/metainfo/$id.metainfo.xml" \
    "$root/usr/share/icons/hicolor/scalable/apps/$id.svg" \
    "$root/usr/share/icons/hicolor/256x256/apps/$id.png"; do
    [ -f "$file" ] || { echo "missing from the package: ${file#"$root"}"; exit 1; }
done

exec_line=$(sed -n 's/^Exec=//p' "$desktop")
icon_name=$(sed -n 's/^Icon=//p' "$desktop")
program=$root/usr/bin/${exec_line%% *}
[ -x "$program" ] || { echo "the menu entry runs ${exec_line}, which is not in /usr/bin"; exit 1; }
[ "$icon_name" = "$id" ] || { echo "the menu entry names the icon $icon_name"; exit 1; }
desktop-file-validate "$desktop"
appstreamcli validate --no-net "$root/usr/share/metainfo/$id.metainfo.xml"

# Start the unpacked program headless; it must still be running after a few seconds.
export QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR=$root/run XDG_CONFIG_HOME=$root/config
mkdir -m 700 -p "$XDG_RUNTIME_DIR"
"$program" &
pid=$!
sleep 3
kill -0 "$pid" || { echo "the installed program did not keep running"; exit 1; }
kill "$pid"
wait "$pid" || true
echo "package: 1 passed, 0 failed"
