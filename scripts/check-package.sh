#!/usr/bin/env bash
# Unpacks the Debian package into a temporary root and checks that the program, its menu entry,
# its icon, its AppStream data and the file type of saved readings are where the menu entry
# points, that a ".kar" file is of that type and opens with the program, that the program
# starts and keeps its settings under its own name, that its windows carry the class the menu
# entry names, that it runs natively under Wayland, and that lintian finds nothing to report.
set -euo pipefail
deb=$1
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT

# Errors and warnings fail; lintian refuses to judge some checks as root without this flag.
lintian --fail-on error,warning --allow-root "$deb"

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

# On X11 a taskbar matches windows to the menu entry by their class: the main window's WM_CLASS
# must name the class the menu entry gives in StartupWMClass.
wm_class=$(sed -n 's/^StartupWMClass=//p' "$desktop")
[ -n "$wm_class" ] || { echo "the menu entry has no StartupWMClass"; exit 1; }
exec {display_fd}<> <(:)
Xvfb -displayfd "$display_fd" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
xvfb_pid=$!
read -r -t 10 -u "$display_fd" display_number
rm -rf "$XDG_RUNTIME_DIR"/LumoFreeTessaray* "$XDG_CONFIG_HOME"
DISPLAY=:$display_number QT_QPA_PLATFORM=xcb "$program" &
pid=$!
classes=
for _ in $(seq 50); do
    sleep 0.2
    classes=$(xwininfo -display ":$display_number" -root -children \
        | sed -n 's/^ *\(0x[0-9a-f]*\) ".*/\1/p' \
        | while read -r window; do xprop -display ":$display_number" -id "$window" WM_CLASS; done)
    grep -q "= \"" <<<"$classes" && break
done
kill "$pid"
wait "$pid" || true
kill "$xvfb_pid"
grep -q "\"$wm_class\"" <<<"$classes" \
    || { echo "the program's windows are of the class ${classes:-(none)}, not $wm_class"; exit 1; }

# Under a Wayland compositor (weston, headless) the program uses the Wayland platform, with no
# fallback, and shows its main window: a top-level surface with its title and the menu entry's id.
wayland_run=$root/wayland
mkdir -m 700 "$wayland_run"
weston --backend=headless-backend.so --socket=lumo-check --idle-time=0 \
    >"$wayland_run/weston.log" 2>&1 &
weston_pid=$!
for _ in $(seq 50); do [ -S "$XDG_RUNTIME_DIR/lumo-check" ] && break; sleep 0.1; done
rm -rf "$XDG_RUNTIME_DIR"/LumoFreeTessaray* "$XDG_CONFIG_HOME"
WAYLAND_DISPLAY=lumo-check QT_QPA_PLATFORM=wayland WAYLAND_DEBUG=client \
    timeout 6 "$program" >"$wayland_run/program.log" 2>&1 || true
kill "$weston_pid"
wait "$weston_pid" || true
grep -q 'xdg_toplevel@[0-9]*\.set_title("Lumo Tessaray v' "$wayland_run/program.log" \
    && grep -q "xdg_toplevel@[0-9]*\.set_app_id(\"$id\")" "$wayland_run/program.log" \
    || { echo "the program showed no window under Wayland:"; grep -v '^\[' "$wayland_run/program.log" | head; exit 1; }

echo "package: 1 passed, 0 failed"
