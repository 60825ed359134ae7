# Sourced by the bench scripts: the environment every Wine command of this project runs in.
#   CLEANER_BENCH_DIR  where prefixes and the Xvfb display number are kept (default: <repo>/.bench)
#   CLEANER_PREFIX     which prefix: main (default), OnlySimSun or NoCjkFonts
repo_root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
bench_dir=${CLEANER_BENCH_DIR:-$repo_root/.bench}
mkdir -p "$bench_dir"
bench_dir=$(cd "$bench_dir" && pwd)

prefix_path() { # name -> path
  case "$1" in
    main|"") echo "$bench_dir/prefix" ;;
    *) echo "$bench_dir/prefix-$1" ;;
  esac
}

export WINEPREFIX=${WINEPREFIX_OVERRIDE:-$(prefix_path "${CLEANER_PREFIX:-main}")}
export WINEDEBUG=${WINEDEBUG:--all}
export WINEDLLOVERRIDES="mscoree,mshtml="
export LC_ALL=zh_CN.UTF-8
# The shim fixes two qemu-user quirks; $LIB is expanded by the dynamic loader itself, so 32-bit
# processes get the i386 build and 64-bit ones its empty twin.
export LD_PRELOAD='/usr/local/lib/wine-qemu-shim/$LIB/shim.so'

# Starts a private Xvfb unless a display is already there; every Wine command needs one.
bench_display() {
  if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then return 0; fi
  local file="$bench_dir/display"
  if [ -f "$file" ]; then
    export DISPLAY=":$(cat "$file")"
    xdpyinfo >/dev/null 2>&1 && return 0
  fi
  local fifo="$bench_dir/displayfd.$$"
  rm -f "$fifo"; mkfifo "$fifo"
  setsid Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$fifo" >/dev/null 2>&1 &
  echo $! > "$bench_dir/xvfb.pid"
  local number
  read -r -t 30 number < "$fifo" || { rm -f "$fifo"; echo "Xvfb did not start" >&2; return 1; }
  rm -f "$fifo"
  echo "$number" > "$file"
  export DISPLAY=":$number"
}

# Keeps one wineserver alive for the prefix, so every process start is quick, and has Wine's
# own services running detached from our output: a service started by a test process would
# inherit its output pipe and keep it open (a caller reading the pipe would never see its end).
bench_wineserver() {
  wineserver -p 2>/dev/null </dev/null >/dev/null || true
  wine wineboot >/dev/null 2>&1 </dev/null || true
}

bench_stop() {
  WINEPREFIX="$1" wineserver -k 2>/dev/null || true
}

# Stops the Xvfb this bench started, if any.
bench_stop_display() {
  [ -f "$bench_dir/xvfb.pid" ] && kill "$(cat "$bench_dir/xvfb.pid")" 2>/dev/null || true
  rm -f "$bench_dir/xvfb.pid" "$bench_dir/display"
}
