#!/bin/sh
# Reads a manual page as man and lintian read it, and holds it against the
# program it describes:
#
#   packaging/check-manual-page.sh PAGE PROGRAM
#
# The page must format without a warning from groff, give lexgrog the whatis
# line "PROGRAM - ...", and name every option and every subcommand that
# `PROGRAM --help` lists. The exit status is 0 when it does; otherwise every
# fault is printed and the status is 1.
set -eu

page=$1
program=$2
name=$(basename "$program")
faults=""
fault() { faults="$faults
$page: $*"; }

warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -E UTF-8 -l -Tutf8 -Z "$page" 2>&1 >/dev/null) ||
    fault "man cannot format it"
[ -z "$warnings" ] || fault "groff warns: $warnings"

whatis=$(lexgrog "$page" 2>&1) || fault "lexgrog finds no whatis line: $whatis"
case $whatis in
    *": \"$name - "?*) ;;
    *) fault "the whatis line is not \"$name - ...\": $whatis" ;;
esac

# The page's own text, with roff's escaped hyphens and font changes undone.
text=$(sed -e 's/\\-/-/g' -e 's/\\f[BIRP]//g' "$page")
help=$(env -u DISPLAY -u WAYLAND_DISPLAY "$program" --help) || fault "$name --help failed"
# An option stands at the start of a line or after a blank or a comma
# ("-h, --help", "-h,--help"); a subcommand is a heading of its own line.
options=$(printf '%s\n' "$help" | grep -oE '(^|[ ,])--?[a-z][a-z-]*' | sed 's/^[ ,]*//' | sort -u)
[ -n "$options" ] || fault "$name --help lists no option"
for option in $options; do
    printf '%s\n' "$text" | grep -qE -- "(^|[^a-z-])$option([^a-z-]|\$)" || fault "does not name $option"
done
subcommands=$(printf '%s\n' "$help" | sed -n '/^Subcommands:/,$p' | grep -E '^[a-z][a-z-]*$' || true)
for subcommand in $subcommands; do
    printf '%s\n' "$text" | grep -qE "^\.SS \"?$subcommand( |\"|\$)" || fault "has no section on $subcommand"
done

if [ -n "$faults" ]; then
    printf '%s\n' "$faults" >&2
    exit 1
fi
echo "$page: formats cleanly and names the $(echo $options | wc -w) options$( [ -z "$subcommands" ] ||
    echo " and $(echo $subcommands | wc -w) subcommands") of $name --help"
