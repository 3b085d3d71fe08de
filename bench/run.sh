#!/usr/bin/env bash
# Builds the benchmarks in Release and prints one table:
#  - start-up: the program (startup_lumo) against an empty main window (startup_empty), both run
#    alternately in one hyperfine run, on the offscreen platform and on Xvfb; the ratio of the
#    medians, and the ratio of the instructions each process runs (callgrind);
#  - peak memory: the peak resident set size of the same two programs, median of several runs;
#  - actions: the median time of each user action (Google Benchmark, offscreen) and the
#    instructions it takes (callgrind).
# Every process gets fresh runtime and settings folders, so the single-copy lock and the update
# reminder's settings of one run do not reach the next. The settings folder starts as a copy of
# the one a first run leaves behind: each run is an everyday start, on which the reminder is not
# due and nothing is written.
#
# Environment: LUMO_BENCH_BUILD (build folder, default build-bench), LUMO_BENCH_ROUNDS (hyperfine
# rounds of alternation, default 10), LUMO_BENCH_REPETITIONS (Google Benchmark repetitions,
# default 7), LUMO_BENCH_JOBS (parallel build jobs, default 2).
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=${LUMO_BENCH_BUILD:-$root/build-bench}
rounds=${LUMO_BENCH_ROUNDS:-10}
repetitions=${LUMO_BENCH_REPETITIONS:-7}
jobs=${LUMO_BENCH_JOBS:-2}
runs_per_round=3
memory_runs=7
screen="-screen 0 1280x1024x24"

# Start-up and memory on one platform; results go to the folder given. Runs inside xvfb-run for
# the xcb platform.
measure_platform() {
    local platform=$1 out=$2
    local lumo=$build/bench/startup_lumo empty=$build/bench/startup_empty
    local fresh=$out/fresh-$platform
    export QT_QPA_PLATFORM=$platform XDG_RUNTIME_DIR=$fresh/runtime XDG_CONFIG_HOME=$fresh/config
    local prepare="sh -c 'rm -rf $fresh && mkdir -p -m 700 $fresh/runtime && cp -r $out/seed $fresh/config'"

    local commands=()
    for ((round = 1; round <= rounds; round++)); do
        commands+=(-n "lumo" "$lumo" -n "empty" "$empty")
    done
    hyperfine -N --style basic --warmup 1 --runs "$runs_per_round" --prepare "$prepare" \
        --export-json "$out/startup-$platform.json" "${commands[@]}" >"$out/hyperfine-$platform.log" 2>&1

    : >"$out/rss-$platform.txt"
    for ((run = 1; run <= memory_runs; run++)); do
        for program in lumo empty; do
            sh -c "$prepare"
            local binary=$lumo
            [[ $program == empty ]] && binary=$empty
            echo "$program $("$binary" --peak-rss 2>/dev/null | awk '/^peak_rss_kib/ {print $2}')" \
                >>"$out/rss-$platform.txt"
        done
    done
}

if [[ ${1:-} == --platform ]]; then
    measure_platform "$2" "$3"
    exit 0
fi

install_missing() {
    local packages=()
    command -v hyperfine >/dev/null || packages+=(hyperfine)
    dpkg -s libbenchmark-dev >/dev/null 2>&1 || packages+=(libbenchmark-dev)
    command -v xvfb-run >/dev/null || packages+=(xvfb)
    command -v xauth >/dev/null || packages+=(xauth)
    command -v valgrind >/dev/null || packages+=(valgrind)
    command -v python3 >/dev/null || packages+=(python3)
    ((${#packages[@]})) || return 0
    local sudo=()
    ((EUID == 0)) || sudo=(sudo)
    "${sudo[@]}" apt-get update
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y "${packages[@]}"
}

install_missing
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release -DLUMO_BENCH=ON >/dev/null
cmake --build "$build" -j"$jobs" --target startup_lumo startup_empty bench_actions >/dev/null

out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT

# Settings as a first run leaves them.
fresh_folders() {
    rm -rf "$1" && mkdir -p -m 700 "$1/runtime" && cp -r "$out/seed" "$1/config"
}
mkdir -p -m 700 "$out/seed-runtime" "$out/seed"
QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR=$out/seed-runtime XDG_CONFIG_HOME=$out/seed \
    "$build/bench/startup_lumo" >/dev/null 2>&1

echo "Start-up and memory, offscreen..." >&2
measure_platform offscreen "$out"
echo "Start-up and memory, Xvfb..." >&2
xvfb-run -a -s "$screen" bash "${BASH_SOURCE[0]}" --platform xcb "$out"

echo "Start-up instructions (callgrind)..." >&2
for program in lumo empty; do
    fresh=$out/fresh-callgrind
    fresh_folders "$fresh"
    QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR=$fresh/runtime XDG_CONFIG_HOME=$fresh/config \
        valgrind --tool=callgrind --callgrind-out-file="$out/startup-$program.callgrind" \
        "$build/bench/startup_$program" >/dev/null 2>&1
done

echo "Actions (Google Benchmark)..." >&2
fresh=$out/fresh-actions
fresh_folders "$fresh"
export XDG_RUNTIME_DIR=$fresh/runtime XDG_CONFIG_HOME=$fresh/config
QT_QPA_PLATFORM=offscreen "$build/bench/bench_actions" \
    --benchmark_repetitions="$repetitions" --benchmark_report_aggregates_only=true \
    --benchmark_min_time=0.1 --benchmark_out_format=json --benchmark_out="$out/actions.json" \
    >"$out/actions.log" 2>&1

echo "Action instructions (callgrind)..." >&2
mkdir -p "$out/actions-callgrind"
(cd "$out/actions-callgrind" &&
    QT_QPA_PLATFORM=offscreen LUMO_BENCH_ITERATIONS=3 valgrind --tool=callgrind \
        --collect-atstart=no "$build/bench/bench_actions" >/dev/null 2>&1)

python3 - "$out" "$(date +%F)" "$(nproc)" "$(uptime | sed 's/.*load average: //')" <<'PYTHON'
import glob, json, os, re, statistics, sys

out, date, cores, load = sys.argv[1:5]
iterations_counted = 3


def startup_medians(platform):
    with open(os.path.join(out, f"startup-{platform}.json")) as f:
        results = json.load(f)["results"]
    times = {"lumo": [], "empty": []}
    for result in results:
        times[result["command"]].extend(result["times"])
    return {name: statistics.median(values) * 1000 for name, values in times.items()}


def rss_medians(platform):
    values = {"lumo": [], "empty": []}
    with open(os.path.join(out, f"rss-{platform}.txt")) as f:
        for line in f:
            name, kib = line.split()
            values[name].append(int(kib))
    return {name: statistics.median(v) / 1024 for name, v in values.items()}


def callgrind_total(path):
    with open(path) as f:
        for line in f:
            if line.startswith("totals:") or line.startswith("summary:"):
                return int(line.split()[1])
    return 0


def action_instructions():
    counts = {}
    for path in glob.glob(os.path.join(out, "actions-callgrind", "callgrind.out.*")):
        name = None
        with open(path) as f:
            for line in f:
                match = re.match(r"desc: Trigger: Client Request: (.*)", line)
                if match:
                    name = match.group(1).strip()
                elif name and (line.startswith("totals:") or line.startswith("summary:")):
                    counts[name] = int(line.split()[1]) / iterations_counted
                    break
    return counts


def action_medians():
    with open(os.path.join(out, "actions.json")) as f:
        benchmarks = json.load(f)["benchmarks"]
    medians = {}
    for bench in benchmarks:
        if bench.get("aggregate_name") != "median":
            continue
        scale = {"ns": 1e-6, "us": 1e-3, "ms": 1.0, "s": 1e3}[bench["time_unit"]]
        name = bench["run_name"]
        medians[name] = (bench["real_time"] * scale, bench["cpu_time"] * scale)
    return medians


def met(ok):
    return "yes" if ok else "**no**"


rows = []
lumo_ir = callgrind_total(os.path.join(out, "startup-lumo.callgrind"))
empty_ir = callgrind_total(os.path.join(out, "startup-empty.callgrind"))
for platform, label in (("offscreen", "offscreen"), ("xcb", "Xvfb")):
    t = startup_medians(platform)
    ratio = t["lumo"] / t["empty"]
    instructions = ""
    if platform == "offscreen" and empty_ir:
        instructions = f"{lumo_ir / 1e6:.1f} M / {empty_ir / 1e6:.1f} M = {lumo_ir / empty_ir:.2f}"
    rows.append((f"Start-up, {label}", f"{t['lumo']:.1f} ms", f"{t['empty']:.1f} ms",
                 f"{ratio:.2f}", instructions, "≤ 1.2", met(ratio <= 1.2)))
for platform, label in (("offscreen", "offscreen"), ("xcb", "Xvfb")):
    m = rss_medians(platform)
    ratio = m["lumo"] / m["empty"]
    rows.append((f"Peak memory, {label}", f"{m['lumo']:.1f} MiB", f"{m['empty']:.1f} MiB",
                 f"{ratio:.2f}", "", "≤ 1.2", met(ratio <= 1.2)))
counts = action_instructions()
for name, (real_ms, cpu_ms) in action_medians().items():
    instructions = f"{counts[name] / 1e6:.2f} M" if name in counts else ""
    rows.append((name, f"{real_ms:.3f} ms (CPU {cpu_ms:.3f})", "", "", instructions, "< 2 ms",
                 met(real_ms < 2.0)))

print(f"Measured {date} on {cores} cores (load average {load}), Release build, "
      "start-up and memory as medians over alternating runs against an empty main window, "
      "actions as Google Benchmark medians on the offscreen platform.")
print()
header = ("Measure", "Lumo", "Empty window", "Ratio", "Instructions", "Target", "Met")
print("| " + " | ".join(header) + " |")
print("|" + "|".join("---" for _ in header) + "|")
for row in rows:
    print("| " + " | ".join(row) + " |")
PYTHON
