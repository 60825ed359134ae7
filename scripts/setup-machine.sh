#!/usr/bin/env bash
# Prepares a Debian 12 machine (as root) to build the program and run it under 32-bit Wine.
# Idempotent: every step checks first and is quick when already done.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)

log() { printf '[setup] %s\n' "$*"; }
need_root() { [ "$(id -u)" = 0 ] || { echo "setup-machine.sh must run as root" >&2; exit 1; }; }
need_root

packages=(
  cmake ninja-build git ca-certificates
  g++-mingw-w64-i686-posix mingw-w64-tools googletest
  wine wine32:i386 wine64
  xvfb xdotool x11-apps x11-utils imagemagick
  fonts-wqy-microhei fonts-arphic-uming locales
  gcc python3
)

# 1. i386 architecture for 32-bit Wine.
if ! dpkg --print-foreign-architectures | grep -qx i386; then
  log "adding the i386 architecture"
  dpkg --add-architecture i386
fi

# 2. bookworm-backports on the mirror the machine already uses (qemu-user 10 lives there).
backports=/etc/apt/sources.list.d/project-backports.list
if [ ! -f "$backports" ]; then
  uri=$(awk '/^URIs:/ {print $2; exit}' /etc/apt/sources.list.d/debian.sources 2>/dev/null || true)
  [ -n "$uri" ] || uri=$(awk '$1=="deb" && $0 !~ /security/ {print $2; exit}' /etc/apt/sources.list 2>/dev/null || true)
  [ -n "$uri" ] || { echo "cannot find the machine's Debian mirror in its apt sources" >&2; exit 1; }
  log "adding bookworm-backports from the configured mirror"
  echo "deb $uri bookworm-backports main" > "$backports"
fi

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
qemu_ok=0
if command -v qemu-i386 >/dev/null && qemu-i386 --version | grep -qE 'version (9|[1-9][0-9])\.'; then qemu_ok=1; fi

if [ ${#missing[@]} -gt 0 ] || [ $qemu_ok = 0 ]; then
  log "apt-get update"
  apt-get update -qq
  if [ ${#missing[@]} -gt 0 ]; then
    log "installing: ${missing[*]}"
    DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
  fi
  if [ $qemu_ok = 0 ]; then
    log "installing qemu-user from bookworm-backports"
    DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends -t bookworm-backports qemu-user >/dev/null
  fi
fi

# 3. zh_CN.UTF-8 locale: Wine takes code page 936 from it.
if ! locale -a 2>/dev/null | grep -qi '^zh_CN.utf8$'; then
  log "generating zh_CN.UTF-8"
  sed -i 's/^# *\(zh_CN.UTF-8 UTF-8\)/\1/' /etc/locale.gen
  grep -q '^zh_CN.UTF-8 UTF-8' /etc/locale.gen || echo 'zh_CN.UTF-8 UTF-8' >> /etc/locale.gen
  locale-gen >/dev/null
fi

# 4. 32-bit ELF through qemu's user emulation, unless the kernel runs it itself.
"$here/register-qemu.sh"

# 5. The preload shim that fixes two qemu-user quirks Wine runs into.
"$here/build-shim.sh"
log "machine ready"
