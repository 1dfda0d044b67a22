# Helpers of the end-to-end tests: a private Xvfb, waits with deadlines, screenshots, checks.
# Every process a test starts is ended by its PID.

passed=0
failed=0
pids=()

ok() { passed=$((passed + 1)); echo "  ok: $*"; }
fail() { failed=$((failed + 1)); echo "  FAILED: $*"; }
check() { local what=$1; shift; if "$@"; then ok "$what"; else fail "$what"; fi; }

# -noreset: a server that resets when its last client leaves would also put the pointer back.
start_xvfb() {
  local n
  for n in $(seq $((100 + RANDOM % 400)) 600); do
    [ -e "/tmp/.X$n-lock" ] || break
  done
  Xvfb ":$n" -screen 0 1024x768x24 -nolisten tcp -noreset > /dev/null 2>&1 &
  pids+=($!)
  export DISPLAY=":$n"
  local deadline=$((SECONDS + 15))
  until xdpyinfo > /dev/null 2>&1; do
    [ $SECONDS -lt $deadline ] || { echo "Xvfb did not start"; exit 1; }
    sleep 0.1
  done
}

stop_all() {
  local pid
  for pid in "${pids[@]}"; do kill "$pid" 2> /dev/null || true; done
  for pid in "${pids[@]}"; do wait "$pid" 2> /dev/null || true; done
}

# wait_exit PID SECONDS: true when PID ends within SECONDS; otherwise kills it.
wait_exit() {
  local pid=$1 deadline
  deadline=$(awk -v s="$2" -v n="$(date +%s%N)" 'BEGIN { printf "%.0f", n + s * 1e9 }')
  while kill -0 "$pid" 2> /dev/null; do
    if [ "$(date +%s%N)" -gt "$deadline" ]; then
      kill -9 "$pid" 2> /dev/null; wait "$pid" 2> /dev/null
      return 1
    fi
    sleep 0.02
  done
  wait "$pid" 2> /dev/null
  return 0
}

# wait_window NAME SECONDS: prints the id of a visible window named NAME.
wait_window() {
  local deadline=$((SECONDS + $2)) id
  while [ $SECONDS -le $deadline ]; do
    id=$(xdotool search --onlyvisible --name "^$1\$" 2> /dev/null | head -n 1)
    [ -n "$id" ] && { echo "$id"; return 0; }
    sleep 0.1
  done
  return 1
}

# Moves the pointer by a few pixels, back and forth, so that it never drifts off the screen.
nudge=1
nudge_pointer() {
  nudge=$((-nudge))
  xdotool mousemove_relative -- $((20 * nudge)) $((30 * nudge))
}

shot() { import -window root "$1" 2> /dev/null; }

# The fraction of pixels that are not black.
lit_fraction() { convert "$1" -threshold 1% -format '%[fx:mean]' info:; }

# difference_after IMAGE OPERATION: the fraction of pixels that differ from the image turned
# by OPERATION, after an erosion that forgives one-pixel rasterising offsets at the centre.
difference_after() {
  convert "$1" \( +clone "$2" \) -compose difference -composite -threshold 10% \
    -morphology Erode Square:1 -format '%[fx:mean]' info:
}

# symmetric IMAGE mirror|point: mirror images about both centre lines, or a half turn.
symmetric() {
  local a b
  if [ "$2" = point ]; then
    a=$(convert "$1" \( +clone -rotate 180 \) -compose difference \
      -composite -threshold 10% -morphology Erode Square:1 -format '%[fx:mean]' info:); b=$a
  else
    a=$(difference_after "$1" -flop); b=$(difference_after "$1" -flip)
  fi
  echo "    differences after turning: $a, $b"
  awk -v a="$a" -v b="$b" 'BEGIN { exit !(a < 0.01 && b < 0.01) }'
}

# The window reports where the pointer rests as it opens; the show runs until the pointer moves.
# The pointer must not rest at the centre, which counts as no position recorded.
prime_show() {
  wait_window Form1 10 > /dev/null || return 1
  sleep "${1:-1}"
}

# Moves the pointer off the centre during a first show (the caller's store and start_show), so
# that every later show records where it rests.
rest_pointer_off_centre() {
  store 1 1 1
  start_show /S
  wait_window Form1 10 > /dev/null
  xdotool mousemove_relative -- -112 16 click 1
  wait_exit "$show" 5
}

# check_switches_that_end SECONDS [CHECK]: the preview, an empty and unknown switches end at
# once; CHECK, a command, must hold after each.
check_switches_that_end() {
  local switch
  echo "Switches that end at once"
  for switch in /P /p "" /x "/ " x; do
    start_show $switch
    check "'$switch' ends at once" wait_exit "$show" "$1"
    [ -n "${2:-}" ] && check "$2 holds after '$switch'" "$2"
  done
}

# check_password_request SECONDS KEY: "/A" shows its message box, and KEY dismisses it.
check_password_request() {
  local id
  echo "Password request"
  start_show /A
  if id=$(wait_window SCRNSAVE:Quorex $((2 * $1))); then
    ok "'/A' shows a box captioned SCRNSAVE:Quorex"
    xdotool windowfocus "$id" 2> /dev/null; sleep 0.2; xdotool key "$2"
    check "'/A' ends when the box is dismissed" wait_exit "$show" "$1"
  else
    fail "'/A' shows its message box"; kill "$show"
  fi
}

# prepare_wine DIR: a fresh wine prefix in DIR for "$wine", quiet, without a window manager.
prepare_wine() {
  export WINEPREFIX="$1" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
  echo "Preparing a wine prefix"
  timeout 180 "$wine" wineboot -i > /dev/null 2>&1 || { echo "wineboot failed"; return 1; }
  # No window manager runs on the test display: wine manages its windows itself.
  "$wine" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f > /dev/null 2>&1
}

summary() {
  echo "$1: $passed passed, $failed failed"
  [ "$failed" -eq 0 ]
}
