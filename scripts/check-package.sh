#!/usr/bin/env bash
# Unpacks the Debian package into a temporary root and checks that the program, its menu entry,
# its icon, its AppStream data and the file type of saved readings are where the menu entry
# points, that a ".kar" file is of that type and opens with the program, and that the program
# starts and keeps its settings under its own name.
set -euo pipefail
deb=$1
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT

dpkg-deb --field "$deb" Depends | grep -q libqt6widgets6 \
    || { echo "the package does not depend on Qt's widgets library"; exit 1; }
dpkg -x "$deb" "$root"

id=org.lumotessaray.LumoFreeTessaray
type=application/x-lumo-karmic-reading
desktop=$root/usr/share/applications/$id.desktop
mime_package=$root/usr/share/mime/packages/$id.xml
for file in "$desktop" "$root/usr/share/metainfo/$id.metainfo.xml" "$mime_package" \
    "$root/usr/share/icons/hicolor/scalable/apps/$id.svg" \
    "$root/usr/share/icons/hicolor/256x256/apps/$id.png"; do
    [ -f "$file" ] || { echo "missing from the package: ${file#"$root"}"; exit 1; }
done

exec_line=$(sed -n 's/^Exec=//p' "$desktop")
icon_name=$(sed -n 's/^Icon=//p' "$desktop")
program=$root/usr/bin/${exec_line%% *}
[ -x "$program" ] || { echo "the menu entry runs ${exec_line}, which is not in /usr/bin"; exit 1; }
[ "$icon_name" = "$id" ] || { echo "the menu entry names the icon $icon_name"; exit 1; }
[ "$exec_line" = "LumoFreeTessaray %f" ] || { echo "the menu entry runs $exec_line, not with a file"; exit 1; }
grep -qx "MimeType=$type;" "$desktop" || { echo "the menu entry does not open $type"; exit 1; }
grep -q "<glob pattern=\"\*\.kar\"" "$mime_package" && grep -q "<comment>" "$mime_package" \
    || { echo "the file type has no *.kar pattern or no comment"; exit 1; }
grep -q "<mediatype>$type</mediatype>" "$root/usr/share/metainfo/$id.metainfo.xml" \
    || { echo "the AppStream data does not name $type"; exit 1; }
desktop-file-validate "$desktop"
appstreamcli validate --no-net "$root/usr/share/metainfo/$id.metainfo.xml"

# The MIME database as shared-mime-info's trigger builds it after installing: the system's types
# and the package's in one database. A ".kar" file must be of the package's type (karaoke files
# claim *.kar too) and the menu entry its default program.
cp /usr/share/mime/packages/freedesktop.org.xml "$root/usr/share/mime/packages/"
update-mime-database "$root/usr/share/mime"
XDG_DATA_DIRS="$root/usr/share" update-desktop-database "$root/usr/share/applications"
printf '\x96\xa3\xa3\r\n\x8a\r\n\xa2\xb6\xce\r\n\x86\x8e\x8b\x85\r\n' >"$root/ann.kar"
found=$(env XDG_DATA_HOME="$root/home" XDG_DATA_DIRS="$root/usr/share" XDG_CURRENT_DESKTOP=X-Generic \
    xdg-mime query filetype "$root/ann.kar")
[ "$found" = "$type" ] || { echo "xdg-mime takes a .kar file for $found"; exit 1; }
default=$(env XDG_DATA_HOME="$root/home" XDG_DATA_DIRS="$root/usr/share" XDG_CURRENT_DESKTOP=X-Generic \
    xdg-mime query default "$type")
[ "$default" = "$id.desktop" ] || { echo "xdg-mime opens $type with '$default'"; exit 1; }

# Start the unpacked program headless; it must still be running after a few seconds.
export QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR=$root/run XDG_CONFIG_HOME=$root/config
mkdir -m 700 -p "$XDG_RUNTIME_DIR"
"$program" &
pid=$!
sleep 3
kill -0 "$pid" || { echo "the installed program did not keep running"; exit 1; }
kill "$pid"
wait "$pid" || true
[ -f "$XDG_CONFIG_HOME/LumoFreeTessaray/LumoFreeTessaray.conf" ] \
    || { echo "the program kept no settings in LumoFreeTessaray/LumoFreeTessaray.conf"; exit 1; }
"$program" --version | grep -qx "LumoFreeTessaray $(dpkg-deb --field "$deb" Version)" \
    || { echo "the program's version is not the package's"; exit 1; }
echo "package: 1 passed, 0 failed"
