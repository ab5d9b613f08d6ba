#!/usr/bin/env bash
# The scene benchmark: Vorn against the same drawing with bare SDL2, side by side, under Xvfb
# (started here unless DISPLAY is set) with vsync off, frames counted at the present.
#   run.sh <game folder> <bench bin folder> [seconds per run] [rounds]
# Each case runs `rounds` times, alternating Vorn and SDL2; the table shows the medians. Heap
# allocations per frame are the engine's (everything outside the video plugin) and, apart, those
# the graphics driver makes inside the plugin's calls (Mesa and Xlib allocate on every present).
set -euo pipefail
game=$(cd "$1" && pwd)
bin=$(cd "$2" && pwd)
seconds=${3:-4}
rounds=${4:-3}
here=$(cd "$(dirname "$0")" && pwd)

work=$(mktemp -d)
xvfb_pid=""
cleanup() {
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT
if [ -z "${DISPLAY:-}" ]; then
  for n in $(seq 90 120); do
    [ -e "/tmp/.X11-unix/X$n" ] && continue
    Xvfb ":$n" -screen 0 1280x1024x24 -noreset >/dev/null 2>&1 &
    xvfb_pid=$!
    export DISPLAY=":$n"
    sleep 1
    break
  done
fi
export SDL_VIDEODRIVER=x11 SDL_AUDIODRIVER=dummy VORN_VSYNC=0 VORN_MESSAGEBOX=cancel

cp -r "$game/." "$work/"
cp "$bin/CountingVideo.so" "$work/Plugins/"
printf '[video]\nplugin=Plugins/CountingVideo.so\n' >"$work/settings.ini"
cp "$here"/*.lua "$work/"

# vorn <script> <N>: prints "frames seconds engine-allocations driver-allocations"
vorn() {
  (cd "$work" && rm -f out.txt && VORN_BENCH_OUT=out.txt VORN_BENCH_N="$2" VORN_BENCH_SECONDS="$run_seconds" \
    LD_PRELOAD="$bin/AllocCount.so" ./vorn "$1" >/dev/null 2>&1; cat out.txt)
}
bare() { "$bin/bare_sdl" "$@" "$run_seconds" 2>/dev/null; }
fps() { awk '{ printf "%.1f", $1 / $2 }'; }
median() { sort -g | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }

# row <label> <seconds> <vorn script> <N> <baseline kind> <baseline args...>
#   baseline kind: sdl (bare SDL2) or vorn:<script>:<N>
row() {
  local label=$1 script=$3 n=$4 kind=$5
  run_seconds=$2
  shift 5
  local ours=() theirs=() allocs=() driver=()
  for _ in $(seq "$rounds"); do
    local out; out=$(vorn "$script" "$n")
    ours+=("$(echo "$out" | fps)")
    allocs+=("$(echo "$out" | awk '{ printf "%.2f", $3 / $1 }')")
    driver+=("$(echo "$out" | awk '{ printf "%.1f", $4 / $1 }')")
    if [ "$kind" = sdl ]; then
      theirs+=("$(bare "$@" | fps)")
    else
      IFS=: read -r _ other on <<<"$kind"
      theirs+=("$(vorn "$other" "$on" | fps)")
    fi
  done
  local a b r
  a=$(printf '%s\n' "${ours[@]}" | median)
  b=$(printf '%s\n' "${theirs[@]}" | median)
  r=$(awk -v a="$a" -v b="$b" 'BEGIN { printf "%.2f", a / b }')
  printf '%-50s %9s %9s %6sx %8s %8s\n' "$label" "$a" "$b" "$r" "$(printf '%s\n' "${allocs[@]}" | median)" \
    "$(printf '%s\n' "${driver[@]}" | median)"
}

printf 'Scene benchmark: 800x600, vsync off, %s s per run (10,000 sprites: %s s), median of %s (%s)\n' \
  "$seconds" $((seconds * 3)) "$rounds" \
  "$(cd "$work" && VORN_BENCH_SECONDS=1 ./vorn empty.lua 2>&1 | grep -o 'drawing with the [a-z0-9]* renderer' | head -1)"
printf '%-50s %9s %9s %7s %8s %8s\n' "case" "Vorn fps" "vs fps" "ratio" "allocs" "driver"
printf '%-50s %9s %9s %7s %8s %8s\n' "" "" "" "" "/frame" "/frame"
# The 10,000-sprite case draws a few frames a second: it runs three times as long.
row "1,000 sprites moved from Lua vs bare SDL2" "$seconds" sprites.lua 1000 sdl sprites 1000
row "10,000 sprites moved from Lua vs bare SDL2" $((seconds * 3)) sprites.lua 10000 sdl sprites 10000
row "world of 100,000 (1,000 shown) vs world of 1,000" "$seconds" world.lua 100000 vorn:world.lua:1000
row "empty scene vs bare SDL2's empty frame" "$seconds" empty.lua 0 sdl empty
