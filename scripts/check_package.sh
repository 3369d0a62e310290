#!/usr/bin/env bash
# Installs build/zoltcalc_*.deb (as root) and runs the installed commands as an unprivileged user,
# for whom the program directory /usr/lib/zoltcalc is read-only: the CLI explains itself and
# keeps text files per user, and the program starts under Xvfb, saves its settings to the
# user's folder at shut-down and reads them back at the next start. The package passes lintian,
# its AppStream description and desktop entry their validators, and the desktop entry's Exec
# lines open a sheet and the text calculator.
set -euo pipefail
cd "$(dirname "$0")/.."

# --reinstall: a package of the same version built again replaces the one installed.
DEBIAN_FRONTEND=noninteractive apt-get install -y --reinstall ./build/zoltcalc_*.deb
. scripts/lib/packages.sh
require_packages xvfb xauth xdotool lintian appstream desktop-file-utils

home=$(mktemp -d)
mkdir -m 700 "$home/run"
deb=$(ls build/zoltcalc_*.deb)
cp "$deb" "$home/"
printf 'x:=6*7\nx\n' > "$home/answer.txt"
chown -R nobody "$home"
trap 'rm -rf "$home"' EXIT
# A user of the package: a home of its own, nothing from the build's environment.
as_user() {
  setpriv --reuid=nobody --regid=nogroup --clear-groups --reset-env \
    env HOME="$home" XDG_RUNTIME_DIR="$home/run" LANG=C.UTF-8 "$@"
}
fail() { echo "check_package: $*" >&2; exit 1; }

# What a distribution and a software centre check first.
as_user lintian --fail-on error,warning "$home/${deb##*/}" || fail "lintian"
metainfo=/usr/share/metainfo/org.zoltcalc.ZoltCalc.metainfo.xml
desktop=/usr/share/applications/org.zoltcalc.ZoltCalc.desktop
appstreamcli validate --no-net "$metainfo" || fail "appstreamcli validate"
desktop-file-validate "$desktop" || fail "desktop-file-validate"
for shot in $(sed -n 's|.*<image>.*/\([^/]*\)</image>.*|\1|p' "$metainfo"); do
  [ -f "packaging/screenshots/$shot" ] || fail "the AppStream description names $shot, which packaging/screenshots lacks"
done

as_user test ! -w /usr/lib/zoltcalc || fail "the program directory is writable for the user"
[ "$(as_user zoltcalc --version)" = "$(as_user zoltcalc-cli --version | sed 's/zoltcalc-cli/zoltcalc/')" ] ||
  fail "the two commands report different versions"
as_user zoltcalc-cli --help | grep -q '^Subcommands:' || fail "zoltcalc-cli --help"
as_user zoltcalc --help | grep -q "^usage: zoltcalc" || fail "zoltcalc --help"
for sub in $(as_user zoltcalc-cli --help | awk '/^Subcommands:/ { s = 1; next } /^[^ ]/ { s = 0 } s { print $1 }'); do
  as_user zoltcalc-cli help "$sub" | grep -q '^Example' || fail "zoltcalc-cli help $sub"
done
man -w zoltcalc-cli >/dev/null 2>&1 || [ -f /usr/share/man/man1/zoltcalc-cli.1.gz ] || fail "no man page"

[ "$(as_user zoltcalc-cli keys c1 plus c2 rovnase | head -1)" = "display: 3" ] || fail "zoltcalc-cli keys"
out=$(as_user zoltcalc-cli run --picture "$home/p.png" \
  -e "Assign(m, 'note'); Rewrite(m); WriteLn(m, 6*7); Close(m); LineTo(5,5); 1/3+1")
[ "$out" = "4/3" ] || fail "zoltcalc-cli run printed: $out"
[ "$(cat "$home/.local/share/zoltcalc/textfiles/note.txt")" = "42" ] || fail "text file not in the user's folder"
[ -s "$home/p.png" ] || fail "no picture saved"

# The program: first start seeds the user's settings; the window moved and switched off with
# Esc writes its position there; the next start shows the window at that position.
settings="$home/.config/zoltcalc/settings.ini"
# start_program COMMAND CODE: runs COMMAND under Xvfb, prints the keypad's position, runs the
# shell CODE (the keypad is "$w"; wait_for TITLE waits for another window), then Esc ends it.
start_program() {
  as_user xvfb-run -a -s '-screen 0 1024x768x24' bash -c '
    wait_for() {
      for i in $(seq 50); do
        w=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -1) && [ -n "$w" ] && return 0
        sleep 0.2
      done
      echo "no window \"$1\"" >&2; kill $pid; exit 1
    }
    '"$1"' & pid=$!
    wait_for "^ZOLT CALC$"
    xdotool getwindowgeometry "$w" | sed -n "s/.*Position: \([0-9]*\),\([0-9]*\).*/position \1 \2/p"
    keypad=$w
    '"$2"'
    w=$keypad
    xdotool windowactivate --sync "$w" 2>/dev/null || xdotool windowfocus --sync "$w"
    xdotool key Escape
    for i in $(seq 50); do kill -0 $pid 2>/dev/null || exit 0; sleep 0.2; done
    echo "the program did not end on Esc" >&2; kill $pid; exit 1'
}
start_program zoltcalc 'xdotool windowmove "$w" 310 170; sleep 0.5' >/dev/null || fail "first start"
grep -q '^left=310' "$settings" && grep -q '^top=170' "$settings" || fail "settings not written to $settings"
[ "$(start_program zoltcalc ':')" = "position 310 170" ] || fail "settings not read back at the next start"

# The desktop entry as a file manager runs it: the sheet in the text calculator, its name in the
# caption; its "Text calculator" action with an untitled sheet.
exec_line=$(sed -n '/^\[Desktop Entry\]/,/^\[Desktop Action/ s/^Exec=//p' "$desktop")
[ "$exec_line" = "zoltcalc %F" ] || fail "the desktop entry runs: $exec_line"
start_program "${exec_line/\%F/$home/answer.txt}" 'wait_for "^answer - "' >/dev/null ||
  fail "the desktop entry did not open the sheet"
action_line=$(sed -n '/^\[Desktop Action text-calculator\]/,/^\[/ s/^Exec=//p' "$desktop")
# LANG=C: a first start in English, whose untitled sheet is "Untitled".
start_program "$action_line" 'wait_for "^Untitled - Text calculator$"' >/dev/null ||
  fail "the desktop entry's Text calculator action did not show the text calculator"
echo "check_package: the installed package works"
