#!/usr/bin/env bash
# Installs build/zoltcalc_*.deb (as root) and runs the installed commands as an unprivileged user,
# for whom the program directory /usr/lib/zoltcalc is read-only: the CLI explains itself and
# keeps text files per user, and the program starts under Xvfb, saves its settings to the
# user's folder at shut-down and reads them back at the next start.
set -euo pipefail
cd "$(dirname "$0")/.."

DEBIAN_FRONTEND=noninteractive apt-get install -y ./build/zoltcalc_*.deb
. scripts/lib/packages.sh
require_packages xvfb xauth xdotool

home=$(mktemp -d)
mkdir -m 700 "$home/run"
chown -R nobody "$home"
trap 'rm -rf "$home"' EXIT
# A user of the package: a home of its own, nothing from the build's environment.
as_user() {
  setpriv --reuid=nobody --regid=nogroup --clear-groups --reset-env \
    env HOME="$home" XDG_RUNTIME_DIR="$home/run" LANG=C.UTF-8 "$@"
}
fail() { echo "check_package: $*" >&2; exit 1; }

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
start_program() {
  as_user xvfb-run -a -s '-screen 0 1024x768x24' bash -c '
    zoltcalc & pid=$!
    for i in $(seq 50); do
      w=$(xdotool search --onlyvisible --name "ZOLT CALC" 2>/dev/null | head -1) && [ -n "$w" ] && break
      sleep 0.2
    done
    [ -n "$w" ] || { echo "no window" >&2; kill $pid; exit 1; }
    xdotool getwindowgeometry "$w" | sed -n "s/.*Position: \([0-9]*\),\([0-9]*\).*/position \1 \2/p"
    '"$1"'
    xdotool windowactivate --sync "$w" 2>/dev/null || xdotool windowfocus --sync "$w"
    xdotool key --window "$w" Escape
    for i in $(seq 50); do kill -0 $pid 2>/dev/null || exit 0; sleep 0.2; done
    echo "the program did not end on Esc" >&2; kill $pid; exit 1'
}
start_program 'xdotool windowmove "$w" 310 170; sleep 0.5' >/dev/null || fail "first start"
grep -q '^left=310' "$settings" && grep -q '^top=170' "$settings" || fail "settings not written to $settings"
[ "$(start_program ':')" = "position 310 170" ] || fail "settings not read back at the next start"
echo "check_package: the installed package works"
