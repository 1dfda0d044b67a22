#!/usr/bin/env bash
# End-to-end tests of the Linux program on a private Xvfb: linux_e2e.sh PATH/TO/quorex
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
. "$here/lib.sh"
program=$(realpath "$1")
work=$(mktemp -d)
export XDG_CONFIG_HOME="$work/config"
settings="$XDG_CONFIG_HOME/Quorex/settings.ini"
trap 'stop_all; rm -rf "$work"' EXIT
start_xvfb

store() {  # store ACTION COUNT WIDTH
  mkdir -p "$(dirname "$settings")"
  printf '[Options]\nAction=%s\nLineCount=%s\nLineWidth=%s\n' "$1" "$2" "$3" > "$settings"
}

# start_show ARGS...: runs the program in the background; its PID is in $show.
start_show() { "$program" "$@" > "$work/out.txt" 2>&1 & show=$!; pids+=("$show"); }

rest_pointer_off_centre
check_switches_that_end 3
check_password_request 3 space

echo "The show, every mode"
for mode in 1 2 3 4 5 6; do
  store "$mode" 20 1
  start_show /S
  prime_show 1.5 || fail "mode $mode opens its window"
  shot "$work/mode$mode.png"
  lit=$(lit_fraction "$work/mode$mode.png")
  corner=$(convert "$work/mode$mode.png" -crop 4x4+0+0 -format '%[fx:mean]' info:)
  check "mode $mode draws (lit $lit)" awk -v f="$lit" 'BEGIN { exit !(f > 0.001) }'
  if [ "$mode" -le 3 ]; then
    check "mode $mode is symmetric about both centre lines" symmetric "$work/mode$mode.png" mirror
  elif [ "$mode" -eq 4 ]; then
    check "mode $mode is symmetric about the centre" symmetric "$work/mode$mode.png" point
  else
    check "mode $mode keeps a black background (lit $lit)" awk -v f="$lit" 'BEGIN { exit !(f < 0.5) }'
  fi
  nudge_pointer
  check "mode $mode ends on a second pointer position within a second" wait_exit "$show" 1
done
[ -n "${QUOREX_SCREENSHOTS:-}" ] && cp "$work"/mode*.png "$QUOREX_SCREENSHOTS/" 2> /dev/null

echo "A trail of one"
store 5 1 3
start_show /S
prime_show 0.5
shot "$work/trail1.png"; sleep 0.3; shot "$work/trail2.png"
lit1=$(lit_fraction "$work/trail1.png")
check "one figure only (lit $lit1)" awk -v f="$lit1" 'BEGIN { exit !(f > 0 && f < 0.01) }'
check "the figure moves" bash -c "! cmp -s '$work/trail1.png' '$work/trail2.png'"
xdotool key a
check "a key ends the show within a second" wait_exit "$show" 1

echo "Click and key"
for input in "click 1" "click 3" "key Escape" "key shift"; do
  store 1 5 1
  start_show /S
  prime_show 0.3
  xdotool $input
  check "'$input' ends the show within a second" wait_exit "$show" 1
done

echo "A pointer that rests does not end the show"
start_show /S
prime_show 0.3
xdotool mousemove_relative -- 0 0; sleep 0.5
check "still running" kill -0 "$show"
kill -TERM "$show"
check "SIGTERM ends the show within a second" wait_exit "$show" 1

echo "Stored values out of range, a damaged file"
for values in "0 0 0" "7 99999 40000" "-3 abc 1e400" "6 99999999999999999999 2.5" "9x 12abc ' 7'"; do
  eval store $values
  start_show /S
  prime_show 0.3
  nudge_pointer
  check "settings ($values) run and end on input" wait_exit "$show" 2
done
head -c 4096 /dev/urandom > "$settings"
start_show /S
prime_show 0.3
xdotool key a
check "random bytes as settings file run and end on input" wait_exit "$show" 2
mkdir -p "$work/unreadable" && : > "$settings" && chmod 000 "$settings"
start_show /S
prime_show 0.3
xdotool key a
check "an unreadable settings file runs and ends on input" wait_exit "$show" 2
chmod 600 "$settings"

echo "The setup dialog"
# click_in WINDOW X Y: a click at (X, Y) pixels of the window's client area.
click_in() {
  eval "$(xdotool getwindowgeometry --shell "$1")"
  xdotool mousemove $((X + $2)) $((Y + $3)) click 1
}
# type_box WINDOW BOX TEXT: replaces the text of a box (twips / 15 = pixels at 96 DPI).
type_box() {
  local x=$(((4380 + 1500 + 300) / 15)) y
  [ "$2" = count ] && y=$(((360 + 420 + 140) / 15)) || y=$(((360 + 840 + 140) / 15))
  click_in "$1" "$x" "$y"
  xdotool key End shift+Home BackSpace
  [ -n "$3" ] && xdotool type --delay 5 "$3"
}
ok_button() { click_in "$1" $(((5220 + 600) / 15)) $(((2460 + 150) / 15)); }

rm -f "$settings"
start_show /C
if dialog=$(wait_window "Quorex - Setup" 5); then
  ok "'/C' opens the dialog"
  type_box "$dialog" count "12abc"
  type_box "$dialog" width " 7"
  click_in "$dialog" $(((300 + 420 + 200) / 15)) $(((360 + 1300 + 90) / 15))  # mode 4
  ok_button "$dialog"
  check "OK closes the dialog and ends the program" wait_exit "$show" 3
  check "OK writes the texts as typed" grep -qx 'LineCount=12abc' "$settings"
  check "OK writes the thickness with its blank" grep -qx 'LineWidth= 7' "$settings"
  check "OK writes the selected mode" grep -qx 'Action=4' "$settings"
else
  fail "'/C' opens the dialog"; kill "$show"
fi

cp "$settings" "$work/before.ini"
start_show /C
if dialog=$(wait_window "Quorex - Setup" 5); then
  [ -n "${QUOREX_SCREENSHOTS:-}" ] && sleep 0.3 && shot "$QUOREX_SCREENSHOTS/dialog-full.png"
  type_box "$dialog" count "0"
  ok_button "$dialog"
  if box=$(wait_window Quorex 3); then
    ok "a count of 0 shows the message box captioned Quorex"
    xdotool windowfocus "$box" 2> /dev/null; sleep 0.2; xdotool key space
  else
    fail "a count of 0 shows the message box captioned Quorex"
  fi
  sleep 0.3
  check "the dialog stays open" kill -0 "$show"
  check "nothing was written" cmp -s "$settings" "$work/before.ini"
  xdotool windowfocus "$dialog" 2> /dev/null; xdotool key Escape; sleep 0.3
  check "Esc does not close the dialog" kill -0 "$show"
  kill -TERM "$show"
  check "SIGTERM closes the dialog and the program" wait_exit "$show" 2
  check "closing writes nothing" cmp -s "$settings" "$work/before.ini"
else
  fail "'/C' opens the dialog again"; kill "$show"
fi

summary "Linux end-to-end"
