#!/usr/bin/env bash
# Measures the game and rewrites docs/performance.md: the maze core and file benchmarks, and the
# whole game as a process (start-up, one full-window repaint, peak memory) through kvarnel_probe.
#   scripts/performance.sh            uses build/ (RelWithDebInfo), building what is missing
set -euo pipefail
cd "$(dirname "$0")/.."
export QT_QPA_PLATFORM=offscreen
export XDG_RUNTIME_DIR="${XDG_RUNTIME_DIR:-$(mktemp -d)}"
chmod 700 "$XDG_RUNTIME_DIR"
# The probe has no pictures beside it, so it runs as an installed game does: its options and
# picture folders go to folders of its own, not the developer's.
XDG_CONFIG_HOME="$(mktemp -d)"
XDG_DATA_HOME="$(mktemp -d)"
export XDG_CONFIG_HOME XDG_DATA_HOME
trap 'rm -rf "$XDG_CONFIG_HOME" "$XDG_DATA_HOME"' EXIT

cmake -S . -B build -G Ninja -DKVARNEL_BENCH=ON >/dev/null
cmake --build build --target kvarnel_bench kvarnel_probe >/dev/null

bench_json=$(mktemp)
build/bench/kvarnel_bench --benchmark_filter='BM_NewMaze|BM_WriteMazeFile|BM_ReadMazeFile|BM_Paper|BM_FieldRepaint/.*ratio_pct:(150|200)' \
  --benchmark_repetitions=5 --benchmark_report_aggregates_only=true \
  --benchmark_format=json >"$bench_json" 2>/dev/null

python3 - "$bench_json" build/bench/probe/kvarnel_probe docs/performance.md <<'PY'
import json, statistics, subprocess, sys, time, platform, os

bench_file, probe, out = sys.argv[1:4]
with open(bench_file) as f:
    benches = {b["run_name"]: b for b in json.load(f)["benchmarks"] if b.get("aggregate_name") == "median"}

def bench_ms(name):
    b = benches[name]
    scale = {"ns": 1e-6, "us": 1e-3, "ms": 1.0, "s": 1e3}[b["time_unit"]]
    return b["real_time"] * scale

def dense(rooms, wall, ratio_pct, density):
    return f"BM_FieldRepaint/rooms:{rooms}/wall:{wall}/ratio_pct:{ratio_pct}/density:{density}/process_time"

def bench_bytes(name):
    return benches[name]["bytes"] / 1e6

def probe_run(*args, scale="1"):
    start = time.perf_counter()
    env = dict(os.environ, QT_SCALE_FACTOR=scale)
    line = subprocess.run([probe, *map(str, args)], capture_output=True, text=True, check=True, env=env).stdout
    return (time.perf_counter() - start) * 1e3, json.loads(line.strip().splitlines()[-1])

startups = sorted(probe_run()[0] for _ in range(7))
startup = statistics.median(startups)
small = [probe_run(4, 4, 16)[1] for _ in range(3)]
smallWide = [probe_run(4, 4, 600)[1] for _ in range(3)]
large = [probe_run(181, 181, 600)[1] for _ in range(3)]
smallDense = [probe_run(4, 4, 16, scale="2")[1] for _ in range(3)]
largeDense = [probe_run(181, 181, 600, scale="2")[1] for _ in range(3)]
def med(runs, key):
    return statistics.median(r[key] for r in runs)

rows = [
    ("New maze, 4 × 4", bench_ms("BM_NewMaze/4/4"), "ms", "linear in rooms"),
    ("New maze, 181 × 181 (32 761 rooms)", bench_ms("BM_NewMaze/181/181"), "ms", "< 2 ms"),
    ("New maze, 16383 × 2 (32 766 rooms)", bench_ms("BM_NewMaze/16383/2"), "ms", "< 2 ms"),
    ("Maze file write, 16383 × 2 (with fsync)", bench_ms("BM_WriteMazeFile/16383/2"), "ms", "< 5 ms"),
    ("Maze file read, 16383 × 2", bench_ms("BM_ReadMazeFile/16383/2"), "ms", "< 5 ms"),
    ("Full-window repaint, 4 × 4, 16-px wall", med(small, "repaint_ms"), "ms", "independent of maze size"),
    ("Full-window repaint, 4 × 4, 600-px wall", med(smallWide, "repaint_ms"), "ms", "independent of maze size"),
    ("Full-window repaint, 181 × 181, 600-px wall", med(large, "repaint_ms"), "ms", "independent of maze size"),
    ("Full-window repaint at ratio 2, 4 × 4, 16-px wall", med(smallDense, "repaint_ms"), "ms", "< 2 ms"),
    ("Full-window repaint at ratio 2, 181 × 181, 600-px wall", med(largeDense, "repaint_ms"), "ms", "< 2 ms"),
    ("Field repaint at ratio 2, 4 × 4, 16-px wall, 2× pictures", bench_ms(dense("4", "16", "200", "2")), "ms", "< 2 ms"),
    ("Field repaint at ratio 2, 60 × 60, 16-px wall, 2× pictures", bench_ms(dense("60", "16", "200", "2")), "ms", "< 2 ms"),
    ("Field repaint at ratio 2, 181 × 181, 16-px wall, 2× pictures", bench_ms(dense("181", "16", "200", "2")), "ms", "< 2 ms"),
    ("Field repaint at ratio 2, 181 × 181, 600-px wall, 2× pictures", bench_ms(dense("181", "600", "200", "2")), "ms", "< 2 ms"),
    ("Field repaint at ratio 2, 60 × 60, 16-px wall, 1× pictures", bench_ms(dense("60", "16", "200", "1")), "ms", "< 2 ms"),
    ("Field repaint at ratio 1.5, 60 × 60, 16-px wall, 2× pictures", bench_ms(dense("60", "16", "150", "2")), "ms", "< 2 ms"),
    ("Field repaint at ratio 1.5, 181 × 181, 600-px wall, 2× pictures", bench_ms(dense("181", "600", "150", "2")), "ms", "< 2 ms"),
    ("Peak memory, 4 × 4, 16-px wall", med(small, "peak_rss_mb"), "MB", "< 100 MB"),
    ("Peak memory, 181 × 181, 600-px wall", med(large, "peak_rss_mb"), "MB", "< 100 MB"),
    ("Start-up to the first shown window (whole process)", startup, "ms", "< 300 ms"),
    ("Export to SVG, 181 × 181, lines with the way", bench_ms("BM_PaperExport/181/181/0"), "ms", "< 1 s"),
    ("Export to PDF, 181 × 181, lines with the way", bench_ms("BM_PaperExport/181/181/1"), "ms", "< 1 s"),
    ("Export to SVG, 16383 × 2, lines with the way", bench_ms("BM_PaperExport/16383/2/0"), "ms", "< 1 s"),
    ("Export to PDF, 16383 × 2, lines with the way", bench_ms("BM_PaperExport/16383/2/1"), "ms", "< 1 s"),
    ("SVG size, 181 × 181, lines with the way", bench_bytes("BM_PaperExport/181/181/0"), "MB", "< 2 MB"),
    ("Maze book, 100 mazes of 40 × 40 and their answers (200 pages)", bench_ms("BM_PaperBook"), "ms", "< 5 s"),
]
cpu = "unknown CPU"
try:
    with open("/proc/cpuinfo") as f:
        cpu = next(l.split(":", 1)[1].strip() for l in f if l.startswith("model name"))
except (OSError, StopIteration):
    pass
with open(out, "w") as f:
    f.write("# Performance record\n\n")
    f.write("Regenerated by `bash scripts/performance.sh`; figures are medians on the machine below.\n")
    f.write("New maze, file and paper rows come from `kvarnel_bench`; repaint, memory and start-up from\n")
    f.write("`kvarnel_probe`, the whole game as a process on the offscreen platform (start-up is the\n")
    f.write("wall time from starting the process until it has shown its main window and exited;\n")
    f.write("a repaint paints the whole window with the view scrolled to the middle of the field).\n")
    f.write("At ratio 2 the probe runs with `QT_SCALE_FACTOR=2` (its pictures are 1× bitmaps, scaled once).\n")
    f.write("The field repaints on dense screens come from `kvarnel_bench`: the field painter alone, a\n")
    f.write("viewport of the designed size at that device pixel ratio, scrolled to the middle of the field.\n\n")
    f.write(f"Machine: {cpu}, {os.cpu_count()} cores, {platform.system()} {platform.release()}.\n\n")
    f.write("| measure | figure | target |\n|---|---|---|\n")
    for name, value, unit, target in rows:
        if unit == "ms" and value < 1:
            value, unit = value * 1e3, "µs"
        f.write(f"| {name} | {value:.3g} {unit} | {target} |\n")
print(open(out).read())
PY
rm -f "$bench_json"
