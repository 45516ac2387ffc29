#!/usr/bin/env bash
# velkar-batch as a user runs it: outputs, exit statuses and error lines.
set -u
bin=$1
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
export LC_ALL=C LANGUAGE= LANG=C
passed=0
failed=0

check() {  # check NAME EXPECTED ACTUAL
  if [ "$2" == "$3" ]; then
    passed=$((passed + 1))
  else
    failed=$((failed + 1))
    printf 'FAIL %s\n--- expected\n%s\n--- got\n%s\n' "$1" "$2" "$3"
  fi
}

printf '120/30\n120/30\n' >"$tmp/two.txt"
check "eigen first vector" "120/30		2" "$("$bin" eigen "$tmp/two.txt" | sed -n 3p)"
check "eigen from stdin" "$("$bin" eigen "$tmp/two.txt")" "$(cat "$tmp/two.txt" | "$bin" eigen -)"
check "eigen czech" "Vektory		Čísla" "$("$bin" eigen --lang cs "$tmp/two.txt" | head -1)"
check "eigen czech from the environment" "Vektory		Čísla" "$(LANG=cs_CZ.UTF-8 LC_ALL= "$bin" eigen "$tmp/two.txt" | head -1)"
check "decimal comma from the locale" "Míra přednostní orientace zéta:	23,719" \
  "$(LC_ALL=cs_CZ.UTF-8 "$bin" eigen "$tmp/two.txt" | sed -n 9p)"

printf '120;45;2;23\n' >"$tmp/semi.txt"
check "read with detected delimiter" "1	line	120	45	2	#3939ff	120	45" \
  "$("$bin" read --detect-delimiter "$tmp/semi.txt" | sed -n 2p)"
check "read with tab word" "1	pole	300	30	1	-	120	60" \
  "$(printf '300\t30\n' | "$bin" read --mode poles --delimiter tab - | sed -n 2p)"

check "filter" "$(printf '120/45\n-10/5\n')" "$(printf 'head\n120/45\n\n-10/5\n' | "$bin" filter -)"

check "cosines" "$(printf '0/90\n225/44.711\n')" "$(printf '0 0 1\n0,5 0,5 -0,7\n' | "$bin" cosines -)"
out=$(printf '0 0 1\nx 1 0\n' | "$bin" cosines - 2>"$tmp/err")
check "cosines bad line status" "1" "$?"
check "cosines bad line prints nothing" "" "$out"
check "cosines bad line message" "velkar-batch: Invalid numeric input (line 2: x 1 0)" "$(cat "$tmp/err")"

"$bin" eigen "$tmp/missing.txt" 2>"$tmp/err" >/dev/null
check "missing file status" "2" "$?"
check "missing file message" "1" "$(grep -c "cannot open '$tmp/missing.txt'" "$tmp/err")"
"$bin" eigen --mode sideways "$tmp/two.txt" 2>"$tmp/err" >/dev/null
check "bad option status" "2" "$?"
check "bad option one line" "1" "$(wc -l <"$tmp/err")"
"$bin" frobnicate "$tmp/two.txt" 2>/dev/null >/dev/null
check "unknown command status" "2" "$?"
"$bin" eigen 2>/dev/null >/dev/null
check "missing file argument status" "2" "$?"
check "help" "0" "$("$bin" --help >/dev/null; echo $?)"
check "help documents eigen" "1" "$("$bin" --help | grep -c '^  eigen')"

echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
