# Timing helpers of the comparison scripts; source it after setting $build.

best() {  # best of three wall-clock seconds of a command, its output dropped
  local b=999
  for _ in 1 2 3; do
    local s e
    s=$(date +%s.%N); "$@" >/dev/null; e=$(date +%s.%N)
    b=$(echo "$b $s $e" | awk '{t = $3 - $2; print (t < $1 ? t : $1)}')
  done
  echo "$b"
}

bench_ms() {  # the real time of one Google Benchmark case in milliseconds
  "$build/bench/velkar_bench" --benchmark_filter="^$1\$" --benchmark_format=csv 2>/dev/null |
    awk -F, -v name="\"$1\"" '$1 == name {printf "%.1f", $3}'
}
