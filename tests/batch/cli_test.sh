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

# One way in: every command reads a file as the window's Open does (decoded,
# LF line ends, only the lines that start with a digit or '-'), from a file
# and from standard input alike; --raw keeps every line.
rows() {  # rows READ-ARGS...: the azimuth/dip of every row of read
  "$bin" read "$@" | awk -F'\t' 'NR > 1 { printf "%s%s/%s", sep, $3, $4; sep = " " }'
}
while IFS='|' read -r name options bytes expected; do
  printf "$bytes" >"$tmp/in.txt"
  check "reads $name" "$expected" "$(rows $options "$tmp/in.txt")"
  check "reads $name from stdin" "$expected" "$(cat "$tmp/in.txt" | rows $options -)"
done <<'EOF'
the data text||120/45\n130/5\n|120/45 130/5
a byte-order mark||\xef\xbb\xbf120/45\n130/50\n|120/45 130/50
a byte-order mark, delimiter detected|--detect-delimiter|\xef\xbb\xbf120;45\n130;50\n|120/45 130/50
lone CR line ends||10/20\r30/40\r50/60\r70/80|10/20 30/40 50/60 70/80
CR LF line ends||10/20\r\n30/40\r\n|10/20 30/40
a header line||Azimuth/Dip\n120/45\n|120/45
a header line, delimiter detected|--detect-delimiter|Azimuth;Dip\n120;45\n|120/45
empty and blank lines||\n120/45\n\n  \n130/50\n|120/45 130/50
a Windows-1250 header||Sm\xecr/sklon\n120/45\n|120/45
a header line, raw|--raw|Azimuth/Dip\r120/45\r|0/0 120/45
a byte-order mark, raw|--raw|\xef\xbb\xbf120/45\n\n|120/45 0/0
EOF
printf 'Azimuth/Dip\r\n\r\n120/30\r\n120/30' >"$tmp/two-header.txt"
check "eigen reads as the window" "$("$bin" eigen "$tmp/two.txt")" "$("$bin" eigen "$tmp/two-header.txt")"

check "cosines" "$(printf '0/90\n225/44.711\n')" "$(printf '0 0 1\n0,5 0,5 -0,7\n' | "$bin" cosines -)"
out=$(printf '0 0 1\n1 x 0\n' | "$bin" cosines - 2>"$tmp/err")
check "cosines bad line status" "1" "$?"
check "cosines bad line prints nothing" "" "$out"
check "cosines bad line message" "velkar-batch: Invalid numeric input (line 2: 1 x 0)" "$(cat "$tmp/err")"
check "cosines skips a header" "0/90" "$(printf 'x y z\n0 0 1\n' | "$bin" cosines -)"
printf 'x y z\n0 0 1\n' | "$bin" cosines --raw - 2>"$tmp/err" >/dev/null
check "cosines raw reads the header" "1 velkar-batch: Invalid numeric input (line 1: x y z)" "$? $(cat "$tmp/err")"
# A long line with escape sequences: 80 characters of it, escaped, and an ellipsis.
{ printf '0 0 1\n1 \x1b]0;title\x07'; head -c 1000000 /dev/zero | tr '\0' x; printf '\n'; } |
  "$bin" cosines - 2>"$tmp/err" >/dev/null
check "cosines message quotes the line" \
  "velkar-batch: Invalid numeric input (line 2: 1 \\x1b]0;title\\x07$(printf 'x%.0s' $(seq 68))…)" "$(cat "$tmp/err")"

# Every kind of input is read to its end: files of any size, files and
# devices that report no size, pipes; a text larger than one read block
# arrives whole, from a file and from standard input.
: >"$tmp/empty.txt"
check "empty file" "0 0/90		0" "$("$bin" eigen "$tmp/empty.txt" >"$tmp/out"; echo "$? $(sed -n 3p "$tmp/out")")"
check "/dev/null" "0 1" "$("$bin" read /dev/null >"$tmp/out"; echo "$? $(wc -l <"$tmp/out")")"
check "a file that reports no size" "1" "$("$bin" filter /proc/self/stat | wc -l)"
mkfifo "$tmp/fifo"
cat "$tmp/two.txt" >"$tmp/fifo" &
check "named pipe" "$("$bin" eigen "$tmp/two.txt")" "$("$bin" eigen "$tmp/fifo")"
wait
awk 'BEGIN { for (i = 0; i < 300000; i++) printf "%d/%d/%d\n", (i * 7) % 360, (i * 3) % 91, i % 9 }' >"$tmp/big.txt"
check "big file" "same" "$("$bin" filter "$tmp/big.txt" | cmp -s - "$tmp/big.txt" && echo same)"
check "big file from stdin" "same" "$("$bin" filter - <"$tmp/big.txt" | cmp -s - "$tmp/big.txt" && echo same)"
check "big file with a header" "same" \
  "$({ echo Azimuth/Dip; cat "$tmp/big.txt"; } >"$tmp/big-header.txt"; "$bin" filter "$tmp/big-header.txt" | cmp -s - "$tmp/big.txt" && echo same)"
"$bin" eigen "$tmp" 2>"$tmp/err" >/dev/null
check "folder refused" "2 velkar-batch: cannot read '$tmp': Is a directory" "$? $(cat "$tmp/err")"

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
check "help documents --raw" "1" "$("$bin" --help | grep -c '^  --raw')"
"$bin" read --delimiter "" "$tmp/two.txt" 2>"$tmp/err" >/dev/null
check "empty delimiter refused" "2 1" "$? $(wc -l <"$tmp/err")"

# Text options take UTF-8 text only (one line, exit 2, the bytes not echoed);
# file names may be any bytes.
bad=$'\xe8'
for option in --north --delimiter --mode --smoothing --scheme; do
  "$bin" plot "$tmp/two.txt" -o "$tmp/u.png" "$option" "$bad" 2>"$tmp/err" >/dev/null
  check "$option refuses bytes that are not UTF-8" "2 1 0 no" \
    "$? $(wc -l <"$tmp/err") $(grep -c "$bad" "$tmp/err") $([ -e "$tmp/u.png" ] && echo yes || echo no)"
done
"$bin" contour "$tmp/two.txt" -o "$tmp/$bad.png" --grid "$tmp/$bad.tsv"
check "file names may be any bytes" "0 yes" "$? $([ -s "$tmp/$bad.png" ] && [ -s "$tmp/$bad.tsv" ] && echo yes)"

# Output that cannot be written fails the command, whichever it is.
if [ -w /dev/full ]; then
  for args in "--help" "eigen $tmp/two.txt" "plot $tmp/two.txt -o $tmp/f.png --report" \
    "contour $tmp/two.txt -o $tmp/f.png --report"; do
    "$bin" $args >/dev/full 2>"$tmp/err"
    check "full standard output: $args" "1 velkar-batch: cannot write the output" "$? $(cat "$tmp/err")"
  done
fi

# plot: every format, the report, failures that leave nothing behind
printf '120/45/2/23\n300/30/-1\n45/30\n' >"$tmp/plot.txt"
for f in png svg pdf emf; do
  "$bin" plot "$tmp/plot.txt" -o "$tmp/out.$f" --orientation grey --shadow
  check "plot $f status" "0" "$?"
done
check "png signature" "PNG" "$(head -c 4 "$tmp/out.png" | tail -c 3)"
check "svg root" "1" "$(grep -c 'viewBox="0 0 12000 12000"' "$tmp/out.svg")"
check "pdf signature" "%PDF" "$(head -c 4 "$tmp/out.pdf")"
check "emf signature" " EMF" "$(dd if="$tmp/out.emf" bs=1 skip=40 count=4 2>/dev/null)"
check "plot report" "3 data" "$("$bin" plot "$tmp/plot.txt" -o "$tmp/r.png" --report | head -1)"
check "plot report with overlay" "Eigenvectors	Eigenvalues" \
  "$("$bin" plot "$tmp/plot.txt" -o "$tmp/r.png" --report --orientation on | sed -n 2p)"
check "plot report czech" "3 měření" "$("$bin" plot "$tmp/plot.txt" -o "$tmp/r.png" --report --lang cs | head -1)"
"$bin" plot "$tmp/plot.txt" -o "$tmp/no/such/dir/out.png" 2>"$tmp/err"
check "unwritable output status" "1" "$?"
check "unwritable output message" "1" "$(grep -c "cannot write '$tmp/no/such/dir/out.png'" "$tmp/err")"
mkdir "$tmp/keep" && printf 'old' >"$tmp/keep/out.png" && chmod 500 "$tmp/keep"
if [ "$(id -u)" -ne 0 ]; then
  "$bin" plot "$tmp/plot.txt" -o "$tmp/keep/out.png" 2>/dev/null
  check "read-only folder keeps the old file" "old" "$(cat "$tmp/keep/out.png")"
fi
chmod 700 "$tmp/keep"
check "no temporary files left" "out.png" "$(ls -A "$tmp/keep")"
ln -s keep/out.png "$tmp/link.png"
"$bin" plot "$tmp/plot.txt" -o "$tmp/link.png"
check "output through a symlink keeps the link" "link png" \
  "$([ -L "$tmp/link.png" ] && echo link) $(head -c 4 "$tmp/keep/out.png" | tail -c 3 | tr A-Z a-z)"
"$bin" plot "$tmp/plot.txt" -o "$tmp/out.gif" 2>/dev/null
check "unknown picture format status" "2" "$?"
"$bin" plot "$tmp/plot.txt" 2>/dev/null
check "plot without output status" "2" "$?"
"$bin" plot "$tmp/plot.txt" -o "$tmp/x.png" --size 9 2>/dev/null
check "size out of range status" "2" "$?"
"$bin" plot "$tmp/plot.txt" -o "$tmp/x.png" --colour red 2>/dev/null
check "bad colour status" "2" "$?"

# contour: the picture, the report, the grid table, refusals
printf '0/90\n0/90\n45/10\n' >"$tmp/contour.txt"
"$bin" contour "$tmp/contour.txt" -o "$tmp/c.png" --scheme 3 --discrete --orientation on --shadow
check "contour status" "0" "$?"
check "contour png signature" "PNG" "$(head -c 4 "$tmp/c.png" | tail -c 3)"
"$bin" contour "$tmp/contour.txt" -o "$tmp/c.png" --report --threads 3 --grid "$tmp/g1.tsv" >"$tmp/report"
check "contour report position" "maximum position	248	262" "$(grep '^maximum position' "$tmp/report")"
check "contour report count" "data count	3" "$(grep '^data count' "$tmp/report")"
check "contour report threads" "threads	3" "$(grep '^threads' "$tmp/report")"
check "contour report variant" "variant	direct" "$(grep '^variant' "$tmp/report")"
check "contour report smoothing" "smoothing	64" "$(grep '^smoothing' "$tmp/report")"
check "contour grid rows" "251001" "$(wc -l <"$tmp/g1.tsv" | tr -d ' ')"
check "contour grid outside" "0	0	-666" "$(head -1 "$tmp/g1.tsv")"
check "contour grid has 17 digits" "1" "$(awk -F'\t' '$1 == 248 && $2 == 262 && $3 ~ /^[0-9]+\.[0-9]+$/ && length($3) >= 17 {n++} END {print n}' "$tmp/g1.tsv")"
"$bin" contour "$tmp/contour.txt" -o "$tmp/c.png" --threads 1 --grid "$tmp/g2.tsv"
check "contour grid alike for every thread count" "same" "$(cmp -s "$tmp/g1.tsv" "$tmp/g2.tsv" && echo same)"
check "contour percent maximum" "maximum	66.666666666666671" \
  "$("$bin" contour "$tmp/contour.txt" -o "$tmp/c.png" --percent --report | grep '^maximum	')"
check "contour legend" "legend	contours: 1, 6, ... 66 %" \
  "$("$bin" contour "$tmp/contour.txt" -o "$tmp/c.png" --percent --report | grep '^legend')"
check "contour decimal comma in the grid" "0" "$(LC_ALL=cs_CZ.UTF-8 "$bin" contour "$tmp/contour.txt" -o "$tmp/c.png" --grid "$tmp/g3.tsv"; grep -c ',' "$tmp/g3.tsv")"
awk 'BEGIN { for (i = 0; i < 32761; i++) printf "%d/%d\n", (i * 7) % 360, (i * 3) % 91 }' >"$tmp/many.txt"
check "contour bins 32761 lines" "variant	binned" \
  "$("$bin" contour "$tmp/many.txt" -o "$tmp/c.png" --report | grep '^variant')"
rm -f "$tmp/c.png"
"$bin" contour "$tmp/contour.txt" -o "$tmp/c.png" --smoothing 700 2>"$tmp/err"
check "contour smoothing refused status" "1" "$?"
check "contour smoothing refused message" "velkar-batch: The smoothing must be between 1 and 666 !" "$(cat "$tmp/err")"
check "contour refusal writes nothing" "no" "$([ -e "$tmp/c.png" ] && echo yes || echo no)"
"$bin" contour "$tmp/contour.txt" -o "$tmp/c.png" --smoothing abc --lang cs 2>"$tmp/err"
check "contour smoothing refused in czech" "velkar-batch: Zhlazení musí být v rozsahu 1 - 666 !" "$(cat "$tmp/err")"
"$bin" contour "$tmp/contour.txt" -o "$tmp/c.png" --mode synoptic 2>"$tmp/err"
check "contour synoptic status" "1" "$?"
check "contour synoptic message" "velkar-batch: You can not contour mixed data!" "$(cat "$tmp/err")"
printf '\n120/30\n' | "$bin" contour --raw - -o "$tmp/c.png" 2>/dev/null
check "contour empty first line status" "1" "$?"
check "contour empty first line writes nothing" "no" "$([ -e "$tmp/c.png" ] && echo yes || echo no)"
printf '\n120/30\n' | "$bin" contour - -o "$tmp/c.png"
check "contour reads past an empty first line as the window" "0" "$?"
"$bin" contour "$tmp/contour.txt" -o "$tmp/c.svg" 2>/dev/null
check "contour svg refused" "2" "$?"
"$bin" contour "$tmp/contour.txt" 2>/dev/null
check "contour without output" "2" "$?"
"$bin" contour "$tmp/contour.txt" -o "$tmp/c.png" --scheme 4 2>/dev/null
check "contour bad scheme" "2" "$?"
"$bin" contour "$tmp/contour.txt" -o "$tmp/c.png" --threads 0 2>/dev/null
check "contour bad thread count" "2" "$?"
"$bin" contour "$tmp/contour.txt" -o "$tmp/c.png" --percent --smoothing 30 2>/dev/null
check "contour percent fixes the smoothing" "2" "$?"
"$bin" contour "$tmp/contour.txt" -o "$tmp/c.png" --min-colour blue 2>/dev/null
check "contour bad swatch colour" "2" "$?"
check "help documents contour" "1" "$("$bin" --help | grep -c '^  contour')"

echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
