#!/usr/bin/env bash
# Builds the i386 preload library (and its empty x86_64 twin) that Wine needs under qemu-user.
# Installed under /usr/local/lib/wine-qemu-shim/<$LIB>/ so LD_PRELOAD can name it with a literal $LIB.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
dest=/usr/local/lib/wine-qemu-shim
src="$here/qemu-shim/shim.c"
out32="$dest/lib/i386-linux-gnu/shim.so"
out64="$dest/lib/x86_64-linux-gnu/shim.so"
if [ -f "$out32" ] && [ -f "$out64" ] && [ "$out32" -nt "$src" ]; then exit 0; fi
mkdir -p "$(dirname "$out32")" "$(dirname "$out64")"
gcc -m32 -O2 -fPIC -shared -nostdlib -o "$out32" "$src"
echo '' | gcc -x c -O2 -fPIC -shared -nostdlib -o "$out64" -
printf '[setup] built %s\n' "$out32"
