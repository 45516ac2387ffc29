#!/usr/bin/env bash
# The layering of the source tree: outside src/gui/ (and tests/gui/) no file
# includes a Qt header or a gui/ header, and a folder includes only itself
# and the folders below it in this order, bottom-up:
#   text < geometry < data < raster < export < stereonet
#   < contour, rose, transform, symbols, folds, trendmap, digitizer
#   < shell < batch < gui
# The subsystems of one step do not include each other. A test folder
# tests/<folder> keeps the rule of src/<folder>; benchmarks, fuzz targets
# and shared test fixtures may include any engine folder.
#   layering_test.sh [SOURCE_ROOT]
set -euo pipefail
cd "${1:-$(dirname "$0")/..}"

declare -A step=(
  [text]=0 [geometry]=1 [data]=2 [raster]=3 [export]=4 [stereonet]=5
  [contour]=6 [rose]=6 [transform]=6 [symbols]=6 [folds]=6 [trendmap]=6 [digitizer]=6
  [shell]=7 [batch]=8 [gui]=9
)
failures=0
complain() {
  echo "$1"
  failures=$((failures + 1))
}

for folder in src/*/; do
  folder=${folder#src/}
  folder=${folder%/}
  [[ -n ${step[$folder]+set} ]] || complain "src/$folder/: not in the layer order of this test"
done

while IFS= read -r hit; do
  file=${hit%%:*}
  rest=${hit#*:}
  line=${rest%%:*}
  directive=${rest#*:}
  [[ $directive =~ include[[:space:]]*([\<\"])([^\>\"]+)[\>\"] ]] || continue
  bracket=${BASH_REMATCH[1]}
  header=${BASH_REMATCH[2]}
  closing='"'
  [[ $bracket == '<' ]] && closing='>'
  where="$file:$line: #include $bracket$header$closing"

  if [[ $header =~ ^(Qt[A-Za-z]*/|Q[A-Za-z0-9_]*$|q[a-z0-9_]*\.h$) ]]; then
    complain "$where: Qt outside src/gui/"
    continue
  fi
  if [[ $header == gui/* ]]; then
    complain "$where: a gui/ header outside src/gui/"
    continue
  fi
  [[ $bracket == '"' && $header == */* ]] || continue

  # The includer's folder: src/<folder>/... or tests/<folder>/...
  [[ $file =~ ^(src|tests)/([^/]+)/ ]] || continue
  own=${BASH_REMATCH[2]}
  [[ -n ${step[$own]+set} ]] || continue
  target=${header%%/*}
  [[ -n ${step[$target]+set} ]] || continue
  if [[ $target != "$own" ]] && ((step[$target] >= step[$own])); then
    complain "$where: $own/ may not include $target/ (the same step or above)"
  fi
done < <(grep -rnE '^[[:space:]]*#[[:space:]]*include' src tests bench \
           --include='*.cpp' --include='*.hpp' --include='*.h' --include='*.cc' |
         grep -vE '^(src|tests)/gui/')

if ((failures > 0)); then
  echo "$failures layering faults"
  exit 1
fi
echo "layering kept"
