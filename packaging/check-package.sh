#!/bin/sh
# Runs Debian's checker on the package built by `make package`, installs it,
# tries what a user would do with it, and removes it again. It changes the system (it installs
# system-wide), so it runs as root and is not part of `make test`.
#
#   packaging/check-package.sh [PACKAGE.deb] [SCREENSHOT_FOLDER]
#
# The package defaults to build/rillo_2.1*.deb; screenshots of the installed
# program (main window, help window) go to SCREENSHOT_FOLDER when given
# (ImageMagick's import). It needs lintian, man, Xvfb, xdotool and the two
# validators. lintian must report no error and no warning. The
# exit status is 0 when every step passed; the first failure names itself and
# removes the package.
set -eu

here=$(cd "$(dirname "$0")" && pwd)
deb=${1:-$(ls "$here"/../build/rillo_2.1*.deb 2>/dev/null | head -n 1)}
shots=${2:-}
[ -n "$deb" ] && [ -f "$deb" ] || { echo "check-package: no package; run 'make package' first" >&2; exit 2; }
[ "$(id -u)" = 0 ] || { echo "check-package: run as root (it installs the package)" >&2; exit 2; }
for tool in lintian man Xvfb xdotool desktop-file-validate appstreamcli; do
    command -v "$tool" >/dev/null || { echo "check-package: needs $tool (make deps installs it)" >&2; exit 2; }
done
deb=$(cd "$(dirname "$deb")" && pwd)/$(basename "$deb")

work=$(mktemp -d)
installed=no
step() { echo "check-package: $*"; }
fail() {
    echo "check-package: FAILED: $*" >&2
    exit 1
}
cleanup() {
    status=$?
    [ -n "${xvfb_pid:-}" ] && kill "$xvfb_pid" 2>/dev/null || true
    if [ "$installed" = yes ] && [ $status -ne 0 ]; then
        DEBIAN_FRONTEND=noninteractive apt-get remove -y -qq rillo >/dev/null 2>&1 || true
    fi
    rm -rf "$work"
}
trap cleanup EXIT

# Information tags are shown but pass; any error or warning fails.
step "lintian $(basename "$deb")"
lintian --fail-on error,warning --display-info "$deb" >"$work/lintian.log" 2>&1 || {
    cat "$work/lintian.log" >&2
    fail "lintian"
}
cat "$work/lintian.log"

step "installing $(basename "$deb")"
dpkg-query -W -f='${db:Status-Status}' rillo 2>/dev/null | grep -qx installed &&
    fail "rillo is installed already; remove it first so that the check starts clean"
DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "$deb" >"$work/apt.log" 2>&1 || {
    cat "$work/apt.log" >&2
    fail "apt-get install"
}
installed=yes
dpkg-query -L rillo | sort >"$work/files"
grep -qx /usr/share/rillo/rillo2.qhc "$work/files" || fail "the help collection is not in the package"
step "reading the copyright file, the changelog and the manual pages"
for path in /usr/share/doc/rillo/copyright /usr/share/doc/rillo/changelog.Debian.gz; do
    [ -s "$path" ] || fail "$path is not installed"
done
grep -q '^License: GPL-3+$' /usr/share/doc/rillo/copyright || fail "the copyright file names no GPL-3+ licence"
zcat /usr/share/doc/rillo/changelog.Debian.gz | head -n 1 | grep -q "^rillo ($(dpkg-query -W -f='${Version}' rillo))" ||
    fail "the changelog's newest entry is not the installed version"
for page in rillo rillo-cli; do
    [ "$(man -w "$page")" = "/usr/share/man/man1/$page.1.gz" ] || fail "man does not find $page(1)"
    MANWIDTH=80 man "$page" 2>/dev/null | grep -q '^EXIT STATUS' || fail "$page(1) does not read"
done

# The programs run from the PATH, with a home of their own so that no setting
# is left behind in the real one.
export HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config" XDG_DATA_HOME="$work/home/.local/share"
export XDG_RUNTIME_DIR="$work/run"
mkdir -p "$HOME" "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
cd "$work"
step "running from the PATH"
[ "$(command -v rillo)" = /usr/bin/rillo ] || fail "rillo is not /usr/bin/rillo"
[ "$(command -v rillo-cli)" = /usr/bin/rillo-cli ] || fail "rillo-cli is not /usr/bin/rillo-cli"
[ "$(env -u DISPLAY rillo --version)" = "Rillo 2.1" ] || fail "rillo --version"
rillo-cli profile --shape trapezoidal --units english --start 0+00.000 --end 10+00.000 \
    --flow 100 --width 10 --n 0.013 --slope 0.001 --side 2 --format tsv >profile.tsv || fail "rillo-cli profile"
grep -q "^flow_type	subcritical$" profile.tsv || fail "rillo-cli profile: no subcritical flow in its output"
# The Python module, from the system's python3 path.
/usr/bin/python3 -c "import rillo; p = rillo.profile(shape='trapezoidal', units='english', start='0+00.000', \
end='10+00.000', flow=100, width=10, n=0.013, slope=0.001, side=2); \
assert (p.summary['normal_depth'], len(p.rows)) == ('1.721', 16)" || fail "import rillo"
rillo-cli profile --shape trapezoidal --units english --start 0+00.000 --end 10+00.000 \
    --flow 100 --width 10 --n 0.013 --slope 0.001 --side 2 --name "Mill race" --format flo >reach.flo ||
    fail "rillo-cli profile --format flo"

step "validating the installed desktop files"
desktop-file-validate /usr/share/applications/com.quillbeck.Rillo.desktop || fail "desktop-file-validate"
appstreamcli validate --no-net /usr/share/metainfo/com.quillbeck.Rillo.metainfo.xml >"$work/appstream.log" 2>&1 || {
    cat "$work/appstream.log" >&2
    fail "appstreamcli validate"
}
if command -v update-mime-database >/dev/null; then
    grep -q "Rillo flow profile" /usr/share/mime/application/x-rillo-flow-profile.xml 2>/dev/null ||
        fail "the MIME database does not know *.flo files"
fi

# The program as the desktop starts it, from the installed files only: it
# opens the file given, and F1 opens its help.
step "starting the program under Xvfb"
# Xvfb picks a free display number and writes it to the file.
Xvfb -displayfd 5 -screen 0 1600x1000x24 -nolisten tcp 5>"$work/display" >/dev/null 2>&1 &
xvfb_pid=$!
i=0
while [ ! -s "$work/display" ] && [ $i -lt 50 ]; do sleep 0.2; i=$((i + 1)); done
[ -s "$work/display" ] || fail "Xvfb did not start"
export DISPLAY=":$(cat "$work/display")"
unset QT_QPA_PLATFORM
rillo "$work/reach.flo" >"$work/rillo.log" 2>&1 &
rillo_pid=$!
wait_window() {
    i=0
    while [ $i -lt 60 ]; do
        xdotool search --name "$1" >/dev/null 2>&1 && return 0
        kill -0 "$rillo_pid" 2>/dev/null || return 1
        sleep 0.5
        i=$((i + 1))
    done
    return 1
}
wait_window "^Rillo 2\.1: Mill race$" || fail "the main window did not open reach.flo ($(cat "$work/rillo.log"))"
[ -n "$shots" ] && import -window root "$shots/installed-main-window.png"
main_window=$(xdotool search --name "^Rillo 2\.1: Mill race$" | head -n 1)
xdotool windowactivate --sync "$main_window" 2>/dev/null || xdotool windowfocus --sync "$main_window"
xdotool key F1
wait_window "^Rillo 2\.1 Help$" || fail "F1 did not open the help window"
sleep 2
[ -f "$XDG_DATA_HOME/Rillo2/help/rillo2.qhc" ] || fail "the help did not find its installed collection"
[ -n "$shots" ] && import -window root "$shots/installed-help.png"
kill "$rillo_pid"
wait "$rillo_pid" 2>/dev/null || true
kill "$xvfb_pid" && xvfb_pid=

step "removing the package"
DEBIAN_FRONTEND=noninteractive apt-get remove -y -qq rillo >"$work/apt.log" 2>&1 || {
    cat "$work/apt.log" >&2
    fail "apt-get remove"
}
installed=no
dpkg-query -W -f='${db:Status-Status}' rillo 2>/dev/null | grep -qv not-installed &&
    fail "dpkg still lists rillo: $(dpkg-query -W -f='${db:Status-Status}' rillo)"
left=""
while read -r path; do
    # Folders such as /usr/bin belong to other packages too.
    [ -e "$path" ] && [ ! -d "$path" ] && left="$left $path"
done <"$work/files"
for path in /usr/share/rillo /usr/share/mime/application/x-rillo-flow-profile.xml; do
    [ -e "$path" ] && left="$left $path"
done
[ -z "$left" ] || fail "left behind:$left"
step "passed"
