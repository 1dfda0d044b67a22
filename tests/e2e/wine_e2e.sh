#!/usr/bin/env bash
# End-to-end tests of the Windows program under wine on a private Xvfb and WINEPREFIX:
#   wine_e2e.sh PATH/TO/quorex.scr PATH/TO/spi_query.exe
# Where this machine cannot run 32-bit programs the caller passes the 64-bit build of the same
# sources and wine64 runs it.
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
. "$here/lib.sh"
program=$(realpath "$1")
spi_query=$(realpath "$2")
work=$(mktemp -d)
wine=${WINE:-wine}
trap 'wineserver -k 2> /dev/null; stop_all; rm -rf "$work"' EXIT
start_xvfb
prepare_wine "$work/prefix" || exit 1
key='HKCU\Software\Quorex\Options'

store() {  # store ACTION COUNT WIDTH
  local name value
  for name in Action LineCount LineWidth; do
    value=$1; shift
    "$wine" reg add "$key" /v "$name" /t REG_SZ /d "$value" /f > /dev/null 2>&1
  done
}
stored() {  # stored NAME: the registry value's text
  "$wine" reg query "$key" /v "$1" 2> /dev/null | tr -d '\r' |
    sed -n "s/^ *$1 *REG_SZ    //p"
}
activation_on() { [ "$("$wine" "$spi_query" | tr -d '\r')" = 1 ]; }
start_show() { "$wine" "$program" "$@" > /dev/null 2>&1 & show=$!; pids+=("$show"); }
rest_pointer_off_centre
check_switches_that_end 5 activation_on
check_password_request 5 Return
check "activation is on after '/A'" activation_on

echo "The show, every mode"
for mode in 1 2 3 4 5 6; do
  store "$mode" 20 1
  start_show /S
  prime_show 1.5 || fail "mode $mode opens its window"
  check "activation is off during the show" bash -c "[ \"\$('$wine' '$spi_query' | tr -d '\r')\" = 0 ]"
  shot "$work/mode$mode.png"
  lit=$(lit_fraction "$work/mode$mode.png")
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
  check "activation is on after mode $mode" activation_on
done
[ -n "${QUOREX_SCREENSHOTS:-}" ] && cp "$work/mode1.png" "$QUOREX_SCREENSHOTS/wine-show.png"

echo "Click and key"
for input in "click 1" "click 3" "key a" "key Escape"; do
  store 2 5 3
  start_show /S
  prime_show 0.5
  xdotool $input
  check "'$input' ends the show within a second" wait_exit "$show" 1
done

echo "Stored values out of range"
for values in "0 0 0" "7 99999 40000" "-3 abc 1e400" "9x 12abc ' 7'"; do
  eval store $values
  start_show /S
  prime_show 0.5
  xdotool key a
  check "settings ($values) run and end on input" wait_exit "$show" 2
  check "activation is on after ($values)" activation_on
done
"$wine" reg add "$key" /v LineCount /t REG_DWORD /d 7 /f > /dev/null 2>&1
start_show /S
prime_show 0.5
xdotool key a
check "a value of another type runs and ends on input" wait_exit "$show" 2

echo "The setup dialog"
"$wine" reg delete 'HKCU\Software\Quorex' /f > /dev/null 2>&1
start_show /C
if dialog=$(wait_window "Quorex - Setup" 10); then
  ok "'/C' opens the dialog"
  [ -n "${QUOREX_SCREENSHOTS:-}" ] && sleep 0.5 && shot "$QUOREX_SCREENSHOTS/wine-dialog-full.png"
  xdotool windowfocus "$dialog" 2> /dev/null; sleep 0.2
  # The focus starts on OK; Tab visits the option group, the count and the thickness.
  xdotool key Tab Tab; xdotool type "12abc"
  xdotool key Tab; xdotool type " 7"
  xdotool key shift+Tab shift+Tab Down Down Down Tab Tab Tab space
  check "OK closes the dialog and ends the program" wait_exit "$show" 5
  check "OK writes the selected mode" [ "$(stored Action)" = 4 ]
  check "OK writes the count as typed" [ "$(stored LineCount)" = 12abc ]
  check "OK writes the thickness as typed" [ "$(stored LineWidth)" = " 7" ]
else
  fail "'/C' opens the dialog"; kill "$show"
fi
check "activation is on after '/C'" activation_on

start_show /C
if dialog=$(wait_window "Quorex - Setup" 10); then
  xdotool windowfocus "$dialog" 2> /dev/null; sleep 0.2
  xdotool key Tab Tab; xdotool type "0"
  xdotool key Tab Tab space
  if box=$(wait_window Quorex 5); then
    ok "a count of 0 shows the message box captioned Quorex"
    xdotool windowfocus "$box" 2> /dev/null; sleep 0.2; xdotool key Return
  else
    fail "a count of 0 shows the message box captioned Quorex"
  fi
  sleep 0.5
  check "the dialog stays open" kill -0 "$show"
  check "nothing was written" [ "$(stored LineCount)" = 12abc ]
  xdotool windowfocus "$dialog" 2> /dev/null; xdotool key Escape; sleep 0.5
  check "Esc does not close the dialog" kill -0 "$show"
  xdotool key alt+F4
  check "the close command closes the dialog and the program" wait_exit "$show" 5
  check "closing writes nothing" [ "$(stored LineCount)" = 12abc ]
else
  fail "'/C' opens the dialog again"; kill "$show"
fi

summary "Wine end-to-end"
