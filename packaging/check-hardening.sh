#!/bin/sh
# Checks that programs carry the hardening of an optimised build, read from
# the files as lintian reads them:
#
#   packaging/check-hardening.sh PROGRAM...
#
# Each must be a position-independent executable, with its relocations
# read-only after start-up (RELRO) and bound at start-up (BIND_NOW), and call
# the stack protector. The fortified library functions (__*_chk) must show in
# at least one of them: a program whose every call has its size checked when
# compiled, or has a size the compiler cannot know, needs none. The exit
# status is 0 when all is well; otherwise each fault is printed and it is 1.
set -eu

command -v readelf >/dev/null || { echo "check-hardening: needs readelf (binutils)" >&2; exit 2; }
status=0
fortified=""
for program in "$@"; do
    fault() {
        echo "$program: $*" >&2
        status=1
    }
    header=$(readelf --file-header "$program") || { fault "not an ELF file"; continue; }
    dynamic=$(readelf --dynamic "$program")
    symbols=$(readelf --dyn-syms --wide "$program")
    printf '%s\n' "$header" | grep -q 'Type: *DYN' && printf '%s\n' "$dynamic" | grep -q 'FLAGS_1.*PIE' ||
        fault "not a position-independent executable"
    readelf --program-headers "$program" | grep -q GNU_RELRO || fault "no read-only relocations (RELRO)"
    printf '%s\n' "$dynamic" | grep -qE 'BIND_NOW|FLAGS.*[[:space:]]NOW' || fault "not bound at start-up (BIND_NOW)"
    printf '%s\n' "$symbols" | grep -q ' __stack_chk_fail' || fault "no stack protector"
    printf '%s\n' "$symbols" | grep -qE ' __[a-z0-9_]+_chk(@|$)' && fortified="$fortified $program"
done
[ -n "$fortified" ] || {
    echo "check-hardening: none of the programs calls a fortified function (__*_chk)" >&2
    status=1
}
[ $status -ne 0 ] || echo "check-hardening: $# programs hardened, fortified functions in$fortified"
exit $status
