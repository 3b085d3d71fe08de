#!/usr/bin/env bash
# Builds the benchmarks in Release and prints one table:
#  - start-up: the program (startup_lumo) against an empty main window (startup_empty), run
#    alternately in one hyperfine run, on the offscreen platform and on Xvfb; the ratio of the
#    medians, and the ratio of the instructions each process runs (callgrind). A window with one
#    label (startup_label) runs alongside, to show what drawing any text at all costs;
#  - peak memory: the peak resident set size of the same programs, median of several runs;
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
counted_iterations=3
programs=(lumo empty label)
screen="-screen 0 1280x1024x24"

# Fresh runtime and settings folders under $1, the settings as a first run leaves them in $2.
fresh_folders() {
    rm -rf "$1" && mkdir -p -m 700 "$1/runtime" && cp -r "$2" "$1/config"
}

# Start-up and memory on one platform; results go to the folder given. Runs inside xvfb-run for
# the xcb platform.
measure_platform() {
    local platform=$1 out=$2
    local fresh=$out/fresh-$platform
    export QT_QPA_PLATFORM=$platform XDG_RUNTIME_DIR=$fresh/runtime XDG_CONFIG_HOME=$fresh/config
    local prepare="bash $root/bench/run.sh --fresh $fresh $out/seed"

    local commands=()
    for ((round = 1; round <= rounds; round++)); do
        for program in "${programs[@]}"; do
            commands+=(-n "$program" "$build/bench/startup_$program")
        done
    done
    hyperfine -N --style basic --warmup 1 --runs "$runs_per_round" --prepare "$prepare" \
        --export-json "$out/startup-$platform.json" "${commands[@]}" \
        >"$out/hyperfine-$platform.log" 2>&1

    : >"$out/rss-$platform.txt"
    for ((run = 1; run <= memory_runs; run++)); do
        for program in "${programs[@]}"; do
            fresh_folders "$fresh" "$out/seed"
            echo "$program $("$build/bench/startup_$program" --peak-rss 2>/dev/null |
                awk '/^peak_rss_kib/ {print $2}')" >>"$out/rss-$platform.txt"
        done
    done
}

case ${1:-} in
--fresh)
    fresh_folders "$2" "$3"
    exit 0
    ;;
--platform)
    measure_platform "$2" "$3"
    exit 0
    ;;
esac

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
echo "Building in $build..." >&2
cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release -DLUMO_BENCH=ON >/dev/null
cmake --build "$build" -j"$jobs" --target startup_lumo startup_empty startup_label bench_actions \
    >/dev/null

out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT

# The settings a first run leaves behind.
mkdir -p -m 700 "$out/seed-runtime" "$out/seed"
QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR=$out/seed-runtime XDG_CONFIG_HOME=$out/seed \
    "$build/bench/startup_lumo" >/dev/null 2>&1

echo "Start-up and memory, offscreen..." >&2
(measure_platform offscreen "$out")
echo "Start-up and memory, Xvfb..." >&2
xvfb-run -a -s "$screen" bash "${BASH_SOURCE[0]}" --platform xcb "$out"

echo "Start-up instructions (callgrind)..." >&2
for program in "${programs[@]}"; do
    fresh_folders "$out/fresh-callgrind" "$out/seed"
    QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR=$out/fresh-callgrind/runtime \
        XDG_CONFIG_HOME=$out/fresh-callgrind/config \
        valgrind --tool=callgrind --callgrind-out-file="$out/startup-$program.callgrind" \
        "$build/bench/startup_$program" >/dev/null 2>&1
done

echo "Actions (Google Benchmark)..." >&2
fresh_folders "$out/fresh-actions" "$out/seed"
export XDG_RUNTIME_DIR=$out/fresh-actions/runtime XDG_CONFIG_HOME=$out/fresh-actions/config
QT_QPA_PLATFORM=offscreen "$build/bench/bench_actions" \
    --benchmark_repetitions="$repetitions" --benchmark_report_aggregates_only=true \
    --benchmark_min_time=0.1 --benchmark_out_format=json --benchmark_out="$out/actions.json" \
    >"$out/actions.log" 2>&1

echo "Action instructions (callgrind)..." >&2
mkdir -p "$out/actions-callgrind"
(cd "$out/actions-callgrind" &&
    QT_QPA_PLATFORM=offscreen LUMO_BENCH_ITERATIONS=$counted_iterations valgrind \
        --tool=callgrind --collect-atstart=no "$build/bench/bench_actions" >/dev/null 2>&1)

python3 - "$out" "$counted_iterations" "$(date +%F)" "$(nproc)" \
    "$(uptime | sed 's/.*load average: //')" <<'PYTHON'
import glob, json, os, re, statistics, sys

out, counted_iterations, date, cores, load = sys.argv[1:6]
counted_iterations = int(counted_iterations)


def startup_medians(platform):
    with open(os.path.join(out, f"startup-{platform}.json")) as f:
        results = json.load(f)["results"]
    times = {}
    for result in results:
        times.setdefault(result["command"], []).extend(result["times"])
    return {name: statistics.median(values) * 1000 for name, values in times.items()}


def rss_medians(platform):
    values = {}
    with open(os.path.join(out, f"rss-{platform}.txt")) as f:
        for line in f:
            name, kib = line.split()
            values.setdefault(name, []).append(int(kib))
    return {name: statistics.median(v) / 1024 for name, v in values.items()}


def callgrind_total(path):
    with open(path) as f:
        for line in f:
            if line.startswith(("totals:", "summary:")):
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
                elif name and line.startswith(("totals:", "summary:")):
                    counts[name] = int(line.split()[1]) / counted_iterations
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
        medians[bench["run_name"]] = (bench["real_time"] * scale, bench["cpu_time"] * scale)
    return medians


def met(ok):
    return "yes" if ok else "**no**"


rows = []
ir = {p: callgrind_total(os.path.join(out, f"startup-{p}.callgrind")) for p in ("lumo", "empty", "label")}
for platform, label in (("offscreen", "offscreen"), ("xcb", "Xvfb")):
    t = startup_medians(platform)
    instructions = ""
    if platform == "offscreen":
        instructions = f"{ir['lumo'] / 1e6:.1f} M / {ir['empty'] / 1e6:.1f} M = {ir['lumo'] / ir['empty']:.2f}"
    ratio = t["lumo"] / t["empty"]
    rows.append((f"Start-up, {label}", f"{t['lumo']:.1f} ms", f"{t['empty']:.1f} ms (empty)",
                 f"{ratio:.2f}", instructions, "≤ 1.2", met(ratio <= 1.2)))
    if platform == "offscreen":
        instructions = f"{ir['label'] / 1e6:.1f} M / {ir['empty'] / 1e6:.1f} M = {ir['label'] / ir['empty']:.2f}"
    rows.append((f"Start-up, {label}: one-label window", f"{t['label']:.1f} ms",
                 f"{t['empty']:.1f} ms (empty)", f"{t['label'] / t['empty']:.2f}", instructions,
                 "for scale", ""))
for platform, label in (("offscreen", "offscreen"), ("xcb", "Xvfb")):
    m = rss_medians(platform)
    ratio = m["lumo"] / m["empty"]
    rows.append((f"Peak memory, {label}", f"{m['lumo']:.1f} MiB", f"{m['empty']:.1f} MiB (empty)",
                 f"{ratio:.2f}", "", "≤ 1.2", met(ratio <= 1.2)))
    rows.append((f"Peak memory, {label}: one-label window", f"{m['label']:.1f} MiB",
                 f"{m['empty']:.1f} MiB (empty)", f"{m['label'] / m['empty']:.2f}", "",
                 "for scale", ""))
counts = action_instructions()
for name, (real_ms, cpu_ms) in action_medians().items():
    instructions = f"{counts[name] / 1e6:.2f} M" if name in counts else ""
    rows.append((name, f"{real_ms:.3f} ms (CPU {cpu_ms:.3f})", "", "", instructions, "< 2 ms",
                 met(real_ms < 2.0)))

print(f"Measured {date} on {cores} cores (load average {load}), Release build. Start-up and "
      "peak memory: medians over alternating runs; actions: Google Benchmark medians of "
      "wall time on the offscreen platform, instructions per action counted by callgrind.")
print()
header = ("Measure", "Lumo", "Reference", "Ratio", "Instructions", "Target", "Met")
print("| " + " | ".join(header) + " |")
print("|" + "|".join("---" for _ in header) + "|")
for row in rows:
    print("| " + " | ".join(row) + " |")
PYTHON
