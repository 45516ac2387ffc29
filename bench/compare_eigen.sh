#!/usr/bin/env bash
# End-to-end timing of `velkar-batch eigen` on 1,000,000 "az/dip/code" lines,
# with its peak memory, against the obvious numpy pipeline on the same file.
# Usage: bench/compare_eigen.sh [BUILD_DIR]
set -euo pipefail
build=${1:-build}
bin="$build/src/batch/velkar-batch"
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
. "$(dirname "$0")/timing.sh"

/usr/bin/python3 - "$tmp/data.txt" <<'PY'
import sys
seed = 0
with open(sys.argv[1], "w") as f:
    for i in range(1_000_000):
        seed = (seed * 134775813 + 1) % 2**32
        f.write(f"{(seed >> 8) % 360}/{(seed >> 20) % 91}/{(seed >> 4) % 9}\n")
PY
ls -l "$tmp/data.txt" | awk '{printf "data file: %.1f MB\n", $5 / 1e6}'

v=$(best "$bin" eigen "$tmp/data.txt")
rss=$(/usr/bin/time -f %M "$bin" eigen "$tmp/data.txt" 2>&1 >/dev/null | tail -1)
cat >"$tmp/eigen.py" <<'PY'
import sys, numpy as np
d = np.loadtxt(sys.argv[1], delimiter="/")
az, dip = np.radians(d[:, 0]), np.radians(d[:, 1])
v = np.column_stack((np.cos(az) * np.cos(dip), np.sin(az) * np.cos(dip), np.sin(dip)))
t = np.einsum("ni,nj->ij", v, v)
w, vec = np.linalg.eigh(t)
print(w[::-1])
PY
n=$(best /usr/bin/python3 "$tmp/eigen.py" "$tmp/data.txt")
echo "velkar-batch eigen: ${v} s, peak memory ${rss} KiB"
echo "numpy pipeline:     ${n} s"
echo "$v $n" | awk '{printf "speed-up: %.1fx\n", $2 / $1}'
"$bin" eigen "$tmp/data.txt" | head -5
