#!/usr/bin/env bash
# Creates the Wine prefixes the tests and the program run in, once; later calls return at once.
#   prefix             code page 936, "微软雅黑" and "宋体" both resolvable by GDI+
#   prefix-OnlySimSun  only "宋体"
#   prefix-NoCjkFonts  neither
set -euo pipefail
source "$(dirname "$0")/wine-env.sh"
log() { printf '[prefix] %s\n' "$*"; }
stamp_version=1
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

main=$(prefix_path main)
if [ "$(cat "$main/.cleaner-ready" 2>/dev/null)" != "$stamp_version" ]; then
  start=$(date +%s)
  rm -rf "$main"
  log "creating $main"
  WINEPREFIX="$main" /usr/lib/wine/wine64 wineboot -i >/dev/null 2>&1
  # A crash must end the process, not start the debugger and wait.
  for view in /reg:64 /reg:32; do
    wine_in "$main" reg delete 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\AeDebug' /v Debugger /f $view || true
  done
  # No window manager on Xvfb: do not wait for one.
  wine_in "$main" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f
  replacement "$main" "微软雅黑" "WenQuanYi Micro Hei"
  replacement "$main" "Microsoft YaHei" "WenQuanYi Micro Hei"
  replacement "$main" "宋体" "AR PL UMing CN"
  replacement "$main" "SimSun" "AR PL UMing CN"
  WINEPREFIX="$main" wineserver -w
  echo "$stamp_version" > "$main/.cleaner-ready"
  log "created in $(( $(date +%s) - start )) s"
  rm -rf "$(prefix_path OnlySimSun)" "$(prefix_path NoCjkFonts)"
fi

variant() { # name, then the replacement values to remove
  local name=$1; shift
  local path; path=$(prefix_path "$name")
  [ "$(cat "$path/.cleaner-ready" 2>/dev/null)" = "$stamp_version" ] && return 0
  rm -rf "$path"
  cp -a "$main" "$path"
  rm -f "$path/.cleaner-ready"
  for value in "$@"; do no_replacement "$path" "$value"; done
  WINEPREFIX="$path" wineserver -w
  echo "$stamp_version" > "$path/.cleaner-ready"
  log "created $path"
}
variant OnlySimSun "微软雅黑" "Microsoft YaHei"
variant NoCjkFonts "微软雅黑" "Microsoft YaHei" "宋体" "SimSun"
