#!/usr/bin/env bash
# The density grid of `velkar-batch contour` against the obvious numpy
# computation of the same sums (chunked U @ V.T, squared, numpy.exp, summed,
# then the same interpolation and normalisation): timings of both, and the
# largest relative difference between their grids, node by node.
# Cases: N data at S = 64 (direct), and one datum in each of the 32851
# whole-degree cells (binned).
# Usage: bench/compare_contour.sh [BUILD_DIR] [N]
set -euo pipefail
build=${1:-build}
n=${2:-1000}
bin="$build/src/batch/velkar-batch"
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
. "$(dirname "$0")/timing.sh"

/usr/bin/python3 - "$tmp/direct.txt" "$n" "$tmp/binned.txt" <<'PY'
import sys
seed, n = 0, int(sys.argv[2])
with open(sys.argv[1], "w") as f:
    for i in range(n):
        seed = (seed * 134775813 + 1) % 2**32
        f.write(f"{(seed >> 8) % 360}/{(seed >> 20) % 91}/{i % 9}\n")
with open(sys.argv[3], "w") as f:
    for a in range(361):
        for d in range(91):
            f.write(f"{a}/{d}\n")
PY

cat >"$tmp/numpy_density.py" <<'PY'
import sys, time
import numpy as np

def node_directions(x, y):
    # The inverse projection at k = 1.5: centre (248, 262), radius 225.
    u = (x - 248.0) / 225.0
    v = (y - 262.0) / 225.0
    d = np.sqrt(u * u + v * v)
    dip = np.radians(90.0 - 2.0 * np.degrees(np.arcsin(np.clip(d / np.sqrt(2.0), -1, 1))))
    az = np.arctan2(u, -v)
    return np.stack([np.cos(az) * np.cos(dip), np.sin(az) * np.cos(dip), np.sin(dip)], axis=1)

def read(path, binned):
    d = np.loadtxt(path, delimiter="/", usecols=(0, 1), ndmin=2)
    az, dip = np.radians(d[:, 0]), np.radians(d[:, 1])
    v = np.stack([np.cos(az) * np.cos(dip), np.sin(az) * np.cos(dip), np.sin(dip)], axis=1)
    if not binned:
        return v, np.ones(len(v)), len(v)
    cells = {}
    for a, p in np.rint(d).astype(int):
        cells[(a, p)] = cells.get((a, p), 0) + 1
    keys = sorted(cells)
    ca = np.radians([k[0] for k in keys]); cd = np.radians([k[1] for k in keys])
    cv = np.stack([np.cos(ca) * np.cos(cd), np.sin(ca) * np.cos(cd), np.sin(cd)], axis=1)
    return cv, np.array([cells[k] for k in keys], float), len(d)

def density(path, binned, s=64.0):
    V, w, n = read(path, binned)
    X, Y = np.meshgrid(np.arange(501), np.arange(501), indexing="ij")
    dist = np.sqrt((247.5 - X) ** 2 + (262.5 - Y) ** 2)
    exact = (X % 2 == 0) & (Y % 2 == 0) & (dist < 228)
    ex, ey = X[exact], Y[exact]
    U = node_directions(ex.astype(float), ey.astype(float))
    t0 = time.perf_counter()
    sums = np.empty(len(U))
    for i in range(0, len(U), 1024):
        C = U[i:i + 1024] @ V.T
        sums[i:i + 1024] = np.exp(s * C * C) @ w
    t_sum = time.perf_counter() - t0
    G = np.zeros((501, 501))
    G[ex, ey] = sums
    # Four-point interpolation (S < 100): along x, then along y.
    def four(a, b, a2, b2):
        return (2 * (a + b) + (a + (a - a2) / 2) + (b + (b - b2) / 2)) / 6
    xs = np.arange(7, 498, 2); ys = np.arange(6, 497, 2)
    G[np.ix_(xs, ys)] = four(G[np.ix_(xs - 1, ys)], G[np.ix_(xs + 1, ys)], G[np.ix_(xs - 3, ys)], G[np.ix_(xs + 3, ys)])
    xs = np.arange(3, 489); ys = np.arange(7, 498, 2)
    G[np.ix_(xs, ys)] = four(G[np.ix_(xs, ys - 1)], G[np.ix_(xs, ys + 1)], G[np.ix_(xs, ys - 3)], G[np.ix_(xs, ys + 3)])
    inside = dist < 225
    G[~inside] = -666
    z = node_directions(X[inside].astype(float), Y[inside].astype(float))[:, 2]
    D = n * np.sum(np.exp(s * z * z)) / 159068
    G[inside] /= D
    t_all = time.perf_counter() - t0
    return G, t_sum, t_all

def compare(G, tsv):
    g = np.loadtxt(tsv, delimiter="\t")
    mine = g[:, 2].reshape(501, 501)
    inside = G != -666
    assert np.array_equal(inside, mine != -666), "the outside marking differs"
    return np.max(np.abs(mine[inside] - G[inside]) / np.abs(G[inside]))

G, t_sum, t_all = density(sys.argv[1], sys.argv[3] == "binned")
print(f"{t_sum:.3f} {t_all:.3f} {compare(G, sys.argv[2]):.3g}")
PY

for case in direct binned; do
  file="$tmp/$case.txt"
  "$bin" contour "$file" -o "$tmp/$case.png" --grid "$tmp/$case.tsv" --report >"$tmp/$case.report"
  process=$(best "$bin" contour "$file" -o "$tmp/$case.png")
  read -r np_sum np_all np_diff < <(/usr/bin/python3 "$tmp/numpy_density.py" "$file" "$tmp/$case.tsv" "$case")
  lines=$(wc -l <"$file" | tr -d ' ')
  echo "== $case: $lines lines, S = 64 ($(grep '^threads' "$tmp/$case.report" | cut -f2) threads, kernel $(grep '^kernel' "$tmp/$case.report" | cut -f2))"
  echo "velkar-batch contour, computation as reported:             $(grep '^time' "$tmp/$case.report" | cut -f2)"
  echo "velkar-batch contour, whole process with the PNG, best of 3: ${process} s"
  echo "numpy, exact-node sums only:                               ${np_sum} s"
  echo "numpy, sums + interpolation + normalisation:               ${np_all} s"
  echo "largest relative difference velkar / numpy over the net:   ${np_diff}"
done

echo "== Google Benchmark (engine, real time, same machine)"
echo "direct, 1000 data:             $(bench_ms BM_ContourDirect/1000/min_time:2.000/real_time) ms"
echo "direct, 32760 data:            $(bench_ms BM_ContourDirect/32760/min_time:2.000/real_time) ms"
echo "binned, all 32851 cells:       $(bench_ms BM_ContourBinnedEveryCell/min_time:2.000/real_time) ms"
echo "plain reference, 1000 data:    $(bench_ms BM_ContourReference/1000/iterations:1/real_time) ms"
echo "redraw:                        $(bench_ms BM_ContourRedraw) ms"
