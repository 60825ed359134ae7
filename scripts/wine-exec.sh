#!/usr/bin/env bash
# Runs a Windows program under 32-bit Wine in the project's bench:
#   wine-exec.sh [--prefix main|OnlySimSun|NoCjkFonts] program.exe [arguments...]
# Creates the prefixes on first use, starts Xvfb when there is no display, keeps a wineserver.
set -euo pipefail
if [ "${1:-}" = "--prefix" ]; then export CLEANER_PREFIX=$2; shift 2; fi
[ $# -ge 1 ] || { echo "usage: $0 [--prefix NAME] program.exe [args...]" >&2; exit 2; }
here=$(cd "$(dirname "$0")" && pwd)
source "$here/wine-env.sh"
bench_display
"$here/make-prefix.sh"
bench_wineserver
export CLEANER_FONT_CONFIG=${CLEANER_PREFIX:-main}
exec wine "$@"
