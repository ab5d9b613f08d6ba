#!/usr/bin/env bash
# Instructions per call of each glue_bench case under callgrind, a figure that does not depend on
# the machine's load: each case runs at two loop lengths and the difference is divided by the
# extra iterations, so start-up cost cancels out; the empty loop's cost is then subtracted.
# Usage: bench/callgrind.sh <path to glue_bench>
set -euo pipefail
bench=${1:?usage: callgrind.sh <path to glue_bench>}
short=2000
long=12000
repeats=5  # glue_bench runs every loop this many times

instructions() {  # instructions of one run: case $1, $2 iterations
  local out
  out=$(mktemp)
  valgrind --tool=callgrind --callgrind-out-file="$out" "$bench" --case "$1" "$2" >/dev/null 2>&1
  callgrind_annotate "$out" | awk '/PROGRAM TOTALS/ { gsub(",", "", $1); print $1 }'
  rm -f "$out"
}

per_iteration() {  # instructions per loop iteration of case $1
  local a b
  a=$(instructions "$1" $short)
  b=$(instructions "$1" $long)
  echo $(( (b - a) / ((long - short) * repeats) ))
}

labels=("plain Lua function call" "bound method call p:get_radial()" "bound property read p.x"
        "bound property assignment p.x = i" "Point operation p:add(1, 2)"
        "Point operation by fallback p:add(q)" "Point construction Point(i, i)")
empty=$(per_iteration 0)
plain=""
echo "Instructions per call under callgrind (empty loop of $empty instructions removed)"
for i in "${!labels[@]}"; do
  n=$(( $(per_iteration $((i + 1))) - empty ))
  [ -z "$plain" ] && plain=$n
  printf "  %-40s %6d  %6.2fx plain call\n" "${labels[$i]}" "$n" "$(awk -v n="$n" -v p="$plain" 'BEGIN { print n / p }')"
done
