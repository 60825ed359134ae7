#!/usr/bin/env bash
# Lets the machine execute 32-bit x86 ELF programs (32-bit Wine): natively when the kernel can,
# otherwise through qemu's i386 user emulation registered with binfmt_misc.
set -euo pipefail
log() { printf '[setup] %s\n' "$*"; }

probe=$(mktemp -d)
trap 'rm -rf "$probe"' EXIT
# Three instructions: exit(42) via int 0x80.
printf '.globl _start\n_start: mov $1,%%eax\n mov $42,%%ebx\n int $0x80\n' > "$probe/p.s"
as --32 -o "$probe/p.o" "$probe/p.s"
ld -m elf_i386 -o "$probe/p" "$probe/p.o"
rc=0; "$probe/p" 2>/dev/null || rc=$?
[ $rc = 42 ] && { log "32-bit code runs"; exit 0; }

mountpoint -q /proc/sys/fs/binfmt_misc || mount -t binfmt_misc binfmt_misc /proc/sys/fs/binfmt_misc
entry=/proc/sys/fs/binfmt_misc/qemu-i386
[ -e "$entry" ] && echo -1 > "$entry"
qemu=$(command -v qemu-i386)
magic='\x7fELF\x01\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00\x02\x00\x03\x00'
mask='\xff\xff\xff\xff\xff\xfe\xfe\x00\xff\xff\xff\xff\xff\xff\xff\xff\xfe\xff\xff\xff'
echo ":qemu-i386:M::$magic:$mask:$qemu:F" > /proc/sys/fs/binfmt_misc/register
rc=0; "$probe/p" 2>/dev/null || rc=$?
[ $rc = 42 ] || { echo "32-bit code still does not run (exit $rc)" >&2; exit 1; }
log "32-bit code runs through $qemu"
