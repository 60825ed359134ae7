#!/usr/bin/env bash
# Creates the Wine prefixes the tests and the program run in, once; later calls return at once.
#   prefix             code page 936, "微软雅黑" and "宋体" both resolvable by GDI+
#   prefix-OnlySimSun  only "宋体"
#   prefix-NoCjkFonts  neither
set -euo pipefail
source "$(dirname "$0")/wine-env.sh"
log() { printf '[prefix] %s\n' "$*"; }
stamp_version=2
bench_display
exec 9>"$bench_dir/.prefix-lock"
flock 9

wine_in() { local p=$1; shift; WINEPREFIX="$p" wine "$@" >/dev/null 2>&1; }
replacement() { # prefix name font
  wine_in "$1" reg add 'HKCU\Software\Wine\Fonts\Replacements' /v "$2" /t REG_SZ /d "$3" /f
}
no_replacement() { # prefix name
  wine_in "$1" reg delete 'HKCU\Software\Wine\Fonts\Replacements' /v "$2" /f || true
}

# Registry edits reach the files only when the prefix's wineserver ends: end it (and whatever
# runs in the prefix) before changing a prefix, and wait for it afterwards.
settle() { WINEPREFIX="$1" wineserver -w; }

main=$(prefix_path main)
if [ "$(cat "$main/.cleaner-ready" 2>/dev/null)" != "$stamp_version" ]; then
  start=$(date +%s)
  bench_stop "$main"
  if [ ! -f "$main/system.reg" ]; then
    log "creating $main"
    WINEPREFIX="$main" /usr/lib/wine/wine64 wineboot -i >/dev/null 2>&1
  fi
  # A crash must end the process at once. Without a Debugger value Wine still starts winedbg,
  # which hangs under qemu; a debugger that cannot start makes Wine end the process instead.
  for view in /reg:64 /reg:32; do
    wine_in "$main" reg add 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\AeDebug' /v Debugger /t REG_SZ /d 'C:\windows\no-debugger.exe %ld %ld' /f $view
    wine_in "$main" reg add 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\AeDebug' /v Auto /t REG_SZ /d 1 /f $view
  done
  # No window manager on Xvfb: do not wait for one.
  wine_in "$main" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f
  replacement "$main" "微软雅黑" "WenQuanYi Micro Hei"
  replacement "$main" "Microsoft YaHei" "WenQuanYi Micro Hei"
  replacement "$main" "宋体" "AR PL UMing CN"
  replacement "$main" "SimSun" "AR PL UMing CN"
  settle "$main"
  echo "$stamp_version" > "$main/.cleaner-ready"
  log "ready in $(( $(date +%s) - start )) s"
  rm -rf "$(prefix_path OnlySimSun)" "$(prefix_path NoCjkFonts)"
fi

variant() { # name, then the replacement values to remove
  local name=$1; shift
  local path; path=$(prefix_path "$name")
  [ "$(cat "$path/.cleaner-ready" 2>/dev/null)" = "$stamp_version" ] && return 0
  bench_stop "$path"
  rm -rf "$path"
  cp -a "$main" "$path"
  rm -f "$path/.cleaner-ready"
  for value in "$@"; do no_replacement "$path" "$value"; done
  settle "$path"
  echo "$stamp_version" > "$path/.cleaner-ready"
  log "created $path"
}
variant OnlySimSun "微软雅黑" "Microsoft YaHei"
variant NoCjkFonts "微软雅黑" "Microsoft YaHei" "宋体" "SimSun"
