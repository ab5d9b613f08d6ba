#!/usr/bin/env bash
# Sets up a fresh Debian 12 machine, builds Vorn twice (plain, then with ASan + UBSan) and runs
# every test in both builds.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/install-deps.sh
for variant in release sanitize; do
  dir=build/$variant
  flag=OFF
  [ $variant = sanitize ] && flag=ON
  cmake -S . -B "$dir" -DVORN_SANITIZE=$flag >/dev/null
  cmake --build "$dir" -j"$(nproc)"
  echo "== tests ($variant build)"
  ctest --test-dir "$dir" --output-on-failure --timeout 120 -j"$(nproc)"
done
