#!/usr/bin/env bash
# Builds the loaders' libFuzzer harnesses with clang (in BUILD, default build/loader-fuzzers) and
# runs each for SECONDS (default 600) on a seed corpus the suite's file writers make, keeping
# what the fuzzer learns in BUILD/corpus. A finding stops that harness; its input is saved as
# BUILD/crash-* (libFuzzer's reproducer: BUILD/fuzz_<name> BUILD/crash-...).
#   tests/fuzz/loaders/run-loader-fuzzers.sh [SECONDS] [BUILD] [NAMES...]   (names: image sound font settings)
# Exit code 77 when clang or its libFuzzer runtime is missing (the suite reports the test skipped).
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
seconds="${1:-600}"
build="$(realpath -m "${2:-$here/../../../build/loader-fuzzers}")"
shift $(( $# > 2 ? 2 : $# ))
names=("$@")
[ ${#names[@]} -gt 0 ] || names=(image sound font settings)

if ! command -v clang++ >/dev/null || ! echo 'extern "C" int LLVMFuzzerTestOneInput(const char*, unsigned long) { return 0; }' \
    | clang++ -x c++ -fsanitize=fuzzer - -o /dev/null 2>/dev/null; then
  echo "clang++ with libFuzzer (packages clang, libclang-rt-14-dev) is missing: loader fuzzing skipped"
  exit 77
fi
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache -DCMAKE_C_COMPILER_LAUNCHER=ccache)
cmake -S "$here" -B "$build" -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ "${launcher[@]}" >/dev/null
cmake --build "$build" -j"$(nproc)" >/dev/null

corpus="$build/corpus"
seeds="$build/seeds"
rm -rf "$seeds"
"$build/write_seeds" "$seeds"
mkdir -p "$seeds/font"
font="$(fc-match -f '%{file}' 'DejaVu Sans' 2>/dev/null || true)"
[ -f "$font" ] && cp "$font" "$seeds/font/"

# LeakSanitizer: fontconfig keeps its configuration for the process (as in the main build), and
# SDL_image's SVG reader loses a few bytes on a malformed file (not ours to fix; full stacks are
# needed to see that frame).
printf 'leak:FcInitLoadConfigAndFonts\nleak:libfontconfig.so\nleak:IMG_LoadSizedSVG_RW\n' >"$build/lsan.supp"
export LSAN_OPTIONS="suppressions=$build/lsan.supp"
export ASAN_OPTIONS="fast_unwind_on_malloc=0"
status=0
for name in "${names[@]}"; do
  mkdir -p "$corpus/$name"
  echo "== fuzz_$name: $seconds s"
  (cd "$build" && ./fuzz_"$name" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -max_len=65536 \
      -print_final_stats=1 "$corpus/$name" "$seeds/$name" 2>&1 | grep -E "^(#[0-9]+ +DONE|stat::number_of_executed_units|==[0-9]+==ERROR|SUMMARY|artifact_prefix|Test unit written)" ) \
    || true
  if ls "$build"/crash-* "$build"/leak-* "$build"/timeout-* "$build"/oom-* >/dev/null 2>&1; then
    status=1
  fi
done
exit $status
