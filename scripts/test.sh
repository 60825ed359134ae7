#!/usr/bin/env bash
# Builds everything and runs all tests under 32-bit Wine. Prints the time of each phase.
set -euo pipefail
repo=$(cd "$(dirname "$0")/.." && pwd)
cd "$repo"
phase_start=$(date +%s)
phase() { local now; now=$(date +%s); printf '[time] %-28s %4d s\n' "$1" $((now - phase_start)); phase_start=$now; }
total_start=$(date +%s)

scripts/setup-machine.sh
phase "machine set-up"

cmake -S . -B build -G Ninja -DCMAKE_TOOLCHAIN_FILE=cmake/toolchain-i686-mingw.cmake >/dev/null
cmake --build build -j"$(nproc)"
phase "build"

# The tests get a bench of their own under build/, so a run never disturbs (or is disturbed
# by) a Wine session someone else keeps in the default bench.
export CLEANER_BENCH_DIR="$repo/build/bench"
source scripts/wine-env.sh
bench_display
scripts/make-prefix.sh
phase "Wine prefixes"

stop_servers() {
  for name in main OnlySimSun NoCjkFonts; do bench_stop "$(prefix_path "$name")"; done
  bench_stop_display
}
trap stop_servers EXIT
rc=0
(cd build && ctest --output-on-failure --timeout 900) || rc=$?
phase "tests under Wine"
printf '[time] %-28s %4d s\n' "total" $(( $(date +%s) - total_start ))
exit $rc
