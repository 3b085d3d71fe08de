#!/usr/bin/env bash
# Starts the real program many times under Xvfb and openbox, each time opens a Karmic Astrology
# reading (types a name, then Get My Karmic Astrology Interpretation) and quits normally: the main
# window's Exit, then the support dialog's Exit. Core dumps are on; every run that does not end
# with status 0 within its deadline keeps its folder (stderr, core, gdb backtrace) and is listed;
# what every run wrote on standard error is gathered in stderr.txt.
#
# Usage: scripts/soak-start-quit.sh [RUNS] [DISPLAY-NUMBER] [PROGRAM]
# Environment: LUMO_SOAK_DIR (where the runs' folders go, default a new folder under /tmp),
# LUMO_SOAK_OVERLAP=1 (start each run as soon as the previous one was told to quit, without
# waiting for it to end, as a user who restarts the program at once does), LUMO_SOAK_SHOT=1
# (keep a screenshot of each run's reading, in its folder if the run fails), LUMO_SOAK_FRESH=1
# (every run starts with empty settings and runtime folders, as a first start does),
# LUMO_SOAK_PAUSE (seconds between the steps, default 0.3; 0 quits as fast as the events go),
# LUMO_SOAK_REMINDER=1 (the update reminder is due at every start and is answered No).
set -uo pipefail

runs=${1:-500}
display=:${2:-17}
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
program=${3:-$root/build/src/LumoFreeTessaray}
work=${LUMO_SOAK_DIR:-$(mktemp -d /tmp/lumo-soak.XXXXXX)}
overlap=${LUMO_SOAK_OVERLAP:-0}
fresh=${LUMO_SOAK_FRESH:-0}
pause=${LUMO_SOAK_PAUSE:-0.3}
reminder=${LUMO_SOAK_REMINDER:-0}
title='Lumo Tessaray v1.20'
# Points in the windows' client areas: the Karmic Astrology button and the Exit button of the
# main window, the Exit button of the support dialog.
reading_button=(185 88)
main_exit=(738 540)
support_exit=(691 294)

mkdir -p "$work/home" "$work/runtime"
chmod 700 "$work/runtime"
export DISPLAY=$display HOME=$work/home XDG_CONFIG_HOME=$work/home/.config
export XDG_RUNTIME_DIR=$work/runtime
ulimit -c unlimited

Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
xvfb=$!
openbox_pid=
cleanup() {
    [[ -n $openbox_pid ]] && kill "$openbox_pid" 2>/dev/null
    kill "$xvfb" 2>/dev/null
    wait 2>/dev/null
}
trap cleanup EXIT
for ((i = 0; i < 50; i++)); do
    xdpyinfo >/dev/null 2>&1 && break
    sleep 0.1
done
openbox >"$work/openbox.log" 2>&1 &
openbox_pid=$!
sleep 1

# The id of a visible window with the program's title other than the one given, waiting up to
# ten seconds for it; empty when none appears.
wait_for_window() {
    local other=${1:-} id
    for ((t = 0; t < 100; t++)); do
        for id in $(xdotool search --onlyvisible --name "^$title\$" 2>/dev/null); do
            if [[ $id != "$other" ]]; then
                echo "$id"
                return
            fi
        done
        sleep 0.1
    done
}

# Stores a reminder date long past (2000-01-01, in the settings' shifted characters).
make_reminder_due() {
    local folder=$XDG_CONFIG_HOME/LumoFreeTessaray
    mkdir -p "$folder"
    printf '[Settings]\nReminderDate=\xc2\x87\xc2\x85\xc2\x85\xc2\x85\xc2\x82\xc2\x85\xc2\x86\xc2\x82\xc2\x85\xc2\x86\n' \
        >"$folder/LumoFreeTessaray.conf"
}

click() {
    xdotool mousemove --window "$1" "$2" "$3" click 1
}

# Waits up to 20 s for the process to end and sets status to its exit status, or to "timeout".
# Not run in a subshell: only this shell can collect the status of its children.
finish() {
    local pid=$1
    for ((t = 0; t < 200; t++)); do
        if ! kill -0 "$pid" 2>/dev/null; then
            wait "$pid"
            status=$?
            return
        fi
        sleep 0.1
    done
    kill -ABRT "$pid" 2>/dev/null # a core shows where it hangs
    wait "$pid"
    status=timeout
}

report() {
    local run=$1 dir=$2 status=$3
    echo "run $run: $status" >>"$work/failures.txt"
    for core in "$dir"/core*; do
        [[ -f $core ]] || continue
        gdb -batch -ex 'thread apply all bt' "$program" "$core" >"$dir/backtrace.txt" 2>&1
    done
}

: >"$work/failures.txt"
previous_pid= previous_dir= previous_run=
settle() {
    [[ -z $previous_pid ]] && return
    finish "$previous_pid"
    if [[ -s $previous_dir/stderr ]]; then
        sed "s/^/run $previous_run: /" "$previous_dir/stderr" >>"$work/stderr.txt"
    fi
    if [[ $status == 0 ]] && [[ ! -s $previous_dir/stage ]]; then
        rm -rf "$previous_dir"
    else
        report "$previous_run" "$previous_dir" "status $status, $(cat "$previous_dir/stage")"
    fi
    previous_pid=
}

for ((run = 1; run <= runs; run++)); do
    dir=$work/run-$run
    mkdir -p "$dir"
    if [[ $fresh == 1 ]]; then
        rm -rf "$HOME" "$XDG_RUNTIME_DIR"
        mkdir -p "$HOME" && mkdir -m 700 "$XDG_RUNTIME_DIR"
    fi
    [[ $reminder == 1 ]] && make_reminder_due
    (cd "$dir" && exec "$program" >"$dir/stdout" 2>"$dir/stderr") &
    pid=$!
    stage=$dir/stage
    main=$(wait_for_window)
    if [[ $reminder == 1 ]] && [[ -n $main ]]; then
        # The reminder's message box comes first; No answers it.
        sleep "$pause"
        xdotool key --window "$main" n
        main=$(wait_for_window "$main")
    fi
    if [[ -z $main ]]; then
        echo "no main window" >"$stage"
    else
        sleep "$pause"
        click "$main" "${reading_button[@]}"
        sleep "$pause"
        xdotool type --delay 10 ANN
        xdotool key alt+k
        sleep "$pause"
        [[ -n ${LUMO_SOAK_SHOT:-} ]] && import -window root "$dir/reading.png"
        click "$main" "${main_exit[@]}"
        support=$(wait_for_window "$main")
        if [[ -z $support ]]; then
            echo "no support dialog" >"$stage"
        else
            sleep "$pause"
            click "$support" "${support_exit[@]}"
            : >"$stage"
        fi
    fi
    # Overlapping, this run is collected once the next one has started.
    [[ $overlap == 1 ]] && settle
    previous_pid=$pid previous_dir=$dir previous_run=$run
    [[ $overlap == 1 ]] || settle
    ((run % 50 == 0)) && echo "$run runs, $(wc -l <"$work/failures.txt") failed"
done
settle
echo "runs: $runs, failed: $(wc -l <"$work/failures.txt") (folder $work)"
cat "$work/failures.txt"
