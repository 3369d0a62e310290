#!/usr/bin/env bash
# Takes the screenshots that the AppStream description names, packaging/screenshots/*.png, of
# the program in build/bin with its English texts, under Xvfb with openbox: the keypad and its
# trail after a calculation, a sheet after its lines have run, and the picture it drew.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
. scripts/lib/packages.sh
require_packages xvfb xauth xdotool openbox imagemagick

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# A portable copy of the program directory: its settings.ini is the screenshots' own.
cp -r build/bin "$work/program"
english=$(ls "$work/program/langs" | sort | grep -n '^english\.ini$' | cut -d: -f1)
sed -e "s/^language=.*/language=$((english - 1))/" -e 's/^hints=.*/hints=0/' \
  -e '/^\[main_window_position\]/,/^\[/ { s/^left=.*/left=40/; s/^top=.*/top=60/ }' \
  -e '/^\[recorder\]/,/^\[/ { s/^left=.*/left=40/; s/^top=.*/top=560/; s/^width=.*/width=320/ }' \
  -e '/^\[text_calculator\]/,/^\[/ { s/^left=.*/left=400/; s/^top=.*/top=40/; s/^width=.*/width=840/; s/^height=.*/height=620/ }' \
  -e '/^\[text_calculator_input_font\]/,/^\[/ s/^size=.*/size=14/' \
  -e '/^\[text_calculator_output_font\]/,/^\[/ s/^size=.*/size=12/' \
  src/app/default_settings.ini > "$work/program/settings.ini"

cat > "$work/program/sheets/screenshot.txt" <<'SHEET'
x := 1/3 + 1/6; x
sum(1/n, n=1..10)
int(x^2, x=0..1)
(2+3i)*(1-i)/(1+i)
for k:=1 to 5 do fact(k)
SetSize(800, 480); SetBrush(16777215); MoveTo(0, 0); RectTo(800, 480)
SetPen(255, 2); MoveTo(0, 240); for k:=0 to 800 do LineTo(k, 240 - 180*sin(k/70))
SetPen(16711680, 2); MoveTo(0, 60); for k:=0 to 800 do LineTo(k, 240 - 180*cos(k/70)*exp(-k/500))
SetBrush(65280); SetPen(0, 1); MoveTo(660, 40); EllipTo(760, 140)
SHEET

export WORK="$work" OUT="$PWD/packaging/screenshots"
mkdir -p "$OUT"
xvfb-run -a -s '-screen 0 1280x720x24 -wr' bash -euo pipefail -c '
  openbox >/dev/null 2>&1 &
  sleep 1
  window() { # the window whose title matches $1, once it is on screen
    for i in $(seq 50); do
      w=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -1) && [ -n "$w" ] && { echo "$w"; return; }
      sleep 0.2
    done
    echo "screenshots: no window \"$1\"" >&2; exit 1
  }
  # shoot FILE WINDOW...: the screen around the windows, their frames and a margin.
  shoot() {
    local file=$1 x0=100000 y0=100000 x1=0 y1=0 X Y WIDTH HEIGHT SCREEN WINDOW
    shift
    for w in "$@"; do
      eval "$(xdotool getwindowgeometry --shell "$w")"
      x0=$((X < x0 ? X : x0)) y0=$((Y < y0 ? Y : y0))
      x1=$((X + WIDTH > x1 ? X + WIDTH : x1)) y1=$((Y + HEIGHT > y1 ? Y + HEIGHT : y1))
    done
    x0=$((x0 > 16 ? x0 - 16 : 0)) y0=$((y0 > 40 ? y0 - 40 : 0))
    x1=$((x1 + 16 < 1280 ? x1 + 16 : 1280)) y1=$((y1 + 16 < 720 ? y1 + 16 : 720))
    import -window root -crop "$((x1 - x0))x$((y1 - y0))+$x0+$y0" +repage "$OUT/$file"
  }
  cd "$WORK/program"
  ./zoltcalc sheets/screenshot.txt & pid=$!
  keypad=$(window "^ZOLT CALC$"); trail=$(window "^ Calculation trail$"); text=$(window "^screenshot - ")
  sleep 1
  xdotool windowactivate --sync "$keypad"
  xdotool key 1 2 period 5 plus 3 asterisk 4 Return r   # 12.5 + 3 * 4 = and its square root
  sleep 0.5
  shoot keypad.png "$keypad" "$trail"
  xdotool windowactivate --sync "$text"
  for line in 1 2 3 4 5; do xdotool key F9; sleep 0.5; done
  shoot text-calculator.png "$keypad" "$text"
  for line in 6 7 8 9; do xdotool key F9; sleep 0.5; done
  xdotool key ctrl+Tab   # the picture page
  sleep 0.5
  shoot picture.png "$text"
  kill $pid
'
ls -l packaging/screenshots
