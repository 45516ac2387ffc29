#!/usr/bin/env bash
# Writes every picture and report of velkar-batch plot and contour for the
# example data under a spread of options into OUT_DIR, so that two builds can
# be compared file by file (`diff -r`): a change that should not alter the
# pictures must leave every file byte-identical (the computing time of the
# reports and the creation time of the PDFs are left out).
#   scripts/picture-outputs.sh BUILD_DIR OUT_DIR
set -euo pipefail
batch="$1/src/batch/velkar-batch"
out="$2"
root="$(cd "$(dirname "$0")/.." && pwd)"
mkdir -p "$out"
export LC_ALL=C.UTF-8
run() {  # run NAME ARGS...: the report goes to NAME.txt, less the computing time
  local name="$1" status=0; shift
  "$batch" "$@" > "$out/$name.raw" 2>&1 || status=$?
  grep -v $'^time\t' "$out/$name.raw" > "$out/$name.txt" || true
  rm "$out/$name.raw"
  [ "$status" -eq 0 ] || echo "exit $status" >> "$out/$name.txt"
}
for data in foliation lineations synoptic; do
  in="$root/examples/$data.txt"
  for mode in lines circles poles synoptic; do
    for ext in png svg pdf emf; do
      run "plot-$data-$mode-$ext" plot "$in" --mode "$mode" -o "$out/plot-$data-$mode.$ext" --report
    done
    run "plot-$data-$mode-dressed" plot "$in" --mode "$mode" --size 6 --colour '#2050a0' --opacity 120 \
      --orientation on --shadow --north S --lang cs -o "$out/plot-$data-$mode-dressed.png" --report
    run "plot-$data-$mode-grey" plot "$in" --mode "$mode" --orientation grey --legend grey \
      -o "$out/plot-$data-$mode-grey.emf" --report
  done
  for scheme in 1 2 3 7; do
    run "contour-$data-$scheme" contour "$in" --mode poles --scheme "$scheme" --report \
      -o "$out/contour-$data-$scheme.png" --grid "$out/contour-$data-$scheme.tsv"
  done
  run "contour-$data-percent" contour "$in" --mode lines --percent --discrete --half --no-contours --shadow \
    --orientation grey --lang cs -o "$out/contour-$data-percent.png"
  run "contour-$data-smooth" contour "$in" --mode circles --smoothing 20 --scheme 2 --min-colour '#ffffff' \
    --max-colour '#102030' --threads 1 -o "$out/contour-$data-smooth.png"
done
# A PDF carries the time it was written; the same picture must compare equal.
for pdf in "$out"/*.pdf; do
  sed -i -E 's|/CreationDate \(D:[0-9]{14}Z\)|/CreationDate (D:00000000000000Z)|' "$pdf"
done
echo "$(ls "$out" | wc -l) files in $out"
