#!/usr/bin/env bash
# Plotting N mode-0 lines with mixed codes 0-8 to a 500 x 513 PNG:
# `velkar-batch plot` (raster diagram and vector picture, PNG written) against
# the equivalent matplotlib scatter of the same projected points.
# Usage: bench/compare_plot.sh [BUILD_DIR] [N]
set -euo pipefail
build=${1:-build}
n=${2:-100000}
bin="$build/src/batch/velkar-batch"
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
. "$(dirname "$0")/timing.sh"

/usr/bin/python3 - "$tmp/data.txt" "$n" <<'PY'
import sys
seed, n = 0, int(sys.argv[2])
with open(sys.argv[1], "w") as f:
    for i in range(n):
        seed = (seed * 134775813 + 1) % 2**32
        f.write(f"{(seed >> 8) % 360}/{(seed >> 20) % 91}/{i % 9}\n")
PY

best=$(best "$bin" plot "$tmp/data.txt" -o "$tmp/velkar.png")

cat >"$tmp/scatter.py" <<'PY'
import sys, time
t_start = time.perf_counter()
import numpy as np
import matplotlib
matplotlib.use("Agg")
import matplotlib.pyplot as plt
t_imported = time.perf_counter()
d = np.loadtxt(sys.argv[1], delimiter="/")
az, dip, codes = np.radians(d[:, 0]), d[:, 1], d[:, 2].astype(int)
rho = np.sqrt(2) * np.sin(np.radians(90 - dip) / 2)
x = 247.5 + 225 * rho * np.sin(az)
y = 262.5 - 225 * rho * np.cos(az)
fig = plt.figure(figsize=(5, 5.13), dpi=100)
ax = fig.add_axes([0, 0, 1, 1])
ax.set_xlim(0, 500); ax.set_ylim(513, 0); ax.axis("off")
ax.add_patch(plt.Circle((247.5, 262.5), 225, fc=(253 / 255, 1, 1), ec="black", lw=2.2))
for code, marker in enumerate("oo^sDo^sD"):
    sel = codes == code
    ax.scatter(x[sel], y[sel], s=9, marker=marker, c="black" if code < 5 else "none",
               edgecolors="black", linewidths=0.6)
fig.savefig(sys.argv[2])
t_end = time.perf_counter()
print(f"{t_end - t_imported:.3f} {t_end - t_start:.3f}")
PY
read -r mpl_work mpl_all < <(/usr/bin/python3 "$tmp/scatter.py" "$tmp/data.txt" "$tmp/mpl.png")
echo "lines: $n"
engine_ms=$(bench_ms "BM_PlotCommand/$n/min_time:1.000")
engine=$(echo "${engine_ms:-}" | awk 'NF {printf "%.4f", $1 / 1000}')
echo "velkar plot command in the engine (Google Benchmark, $n lines): ${engine:-n/a} s"
echo "velkar-batch plot, whole process with the PNG written:        ${best} s"
echo "matplotlib scatter + savefig, after its imports:               ${mpl_work} s"
echo "matplotlib script, whole process:                              ${mpl_all} s"
echo "$best $mpl_all" | awk '{printf "speed-up, process against process: %.1fx\n", $2 / $1}'
[ -n "$engine" ] && echo "$engine $mpl_work" | awk '{printf "speed-up, work against work:       %.1fx\n", $2 / $1}'
true
