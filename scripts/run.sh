#!/usr/bin/env bash
# Builds the program if needed and starts it under 32-bit Wine.
# With a display ($DISPLAY) the window appears there and the script returns when it is closed.
# Without one, the program runs on a private Xvfb: the script waits for the window, saves a PNG
# screenshot, prints its path and ends the program.
set -euo pipefail
repo=$(cd "$(dirname "$0")/.." && pwd)
cd "$repo"
scripts/setup-machine.sh >/dev/null
cmake -S . -B build -G Ninja -DCMAKE_TOOLCHAIN_FILE=cmake/toolchain-i686-mingw.cmake >/dev/null
cmake --build build --target CacheCleaner -j"$(nproc)" >/dev/null
program="$repo/build/bin/CacheCleaner.exe"

export CLEANER_BENCH_DIR="$repo/build/bench"
had_display=0
if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then had_display=1; fi
source scripts/wine-env.sh
bench_display
scripts/make-prefix.sh

if [ $had_display = 1 ]; then
  exec wine "$program"
fi

trap 'bench_stop "$WINEPREFIX"; bench_stop_display' EXIT
bench_wineserver
wine "$program" &
program_pid=$!
window=""
for _ in $(seq 1 300); do
  window=$(xdotool search --onlyvisible --name 'NBA2K14' 2>/dev/null | head -n 1 || true)
  [ -n "$window" ] && break
  sleep 0.1
done
[ -n "$window" ] || { echo "the program's window did not appear" >&2; exit 1; }
sleep 1.5  # let it finish painting
mkdir -p "$repo/out"
shot="$repo/out/screenshot.png"
eval "$(xdotool getwindowgeometry --shell "$window")"
xwd -root -silent | /usr/bin/convert xwd:- -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage "$shot"
echo "$shot"
# Close it as a user would (WM_CLOSE); the exit trap ends whatever is left.
wine taskkill /im CacheCleaner.exe >/dev/null 2>&1 || true
for _ in $(seq 1 100); do kill -0 "$program_pid" 2>/dev/null || break; sleep 0.1; done
