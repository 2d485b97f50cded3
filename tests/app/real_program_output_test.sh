#!/usr/bin/env bash
# The real program's outputs and display handling as a user meets them: standard output on a
# full device, pictures under a file-size limit and in the place of a FIFO, the picture modes
# with a session display that cannot be used, and the windows without a usable display.
# Nothing here depends on the displays of the machine the test runs on: no display server,
# Wayland compositor or desktop session is reachable from the program's environment.
# Usage: real_program_output_test.sh PROGRAM WITH_WEB_ENGINE(1|0)
set -uo pipefail
program="$1"
with_web_engine="${2:-1}"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }

# A display named by a socket path that cannot exist, and a private runtime folder without a
# Wayland socket, so that whatever answers on the machine's displays is never asked.
unset DISPLAY WAYLAND_DISPLAY XDG_SESSION_TYPE QT_QPA_PLATFORM QT_QPA_PLATFORMTHEME
mkdir -m 700 "$work/runtime"
export XDG_RUNTIME_DIR="$work/runtime"
no_display="$work/no-display-here/X0"

cat >"$work/load.json" <<'JSON'
{ "format": "tarnwick-load", "version": 1,
  "aircraft": { "indicatedAirspeed": 80, "exitAltitude": 13500 }, "winds": [ { "headwind": 10 } ],
  "groups": [ { "name": "A", "fallRate": "slow" }, { "name": "B", "fallRate": "fast", "delay": 8 } ] }
JSON

# run NAME EXPECTED_STATUS COMMAND...: runs it, keeps standard error in $work/err, checks the
# status and that standard error is exactly one line.
run() {
  local name="$1" expected="$2"
  shift 2
  "$@" 2>"$work/err"
  local status=$?
  [ "$status" -eq "$expected" ] || fail "$name: status $status, expected $expected: $(cat "$work/err")"
  [ "$(wc -l <"$work/err")" -eq 1 ] || fail "$name: not one line on standard error:"$'\n'"$(cat "$work/err")"
}

# Standard output that cannot take the results.
for mode in "--help" "--version" "--report" "--sweep exit-delay=0:3:1" "--recommend-delay 1000" \
  "--load $work/load.json"; do
  # shellcheck disable=SC2086
  run "$mode >/dev/full" 2 "$program" $mode >/dev/full
  grep -q "standard output: No space left on device" "$work/err" || fail "$mode: $(cat "$work/err")"
done

# A file-size limit while a picture replaces a good one: the old file stays, the status is 2,
# and the one line names the file and the reason.
mkdir "$work/pictures"
for picture in plot.svg plot.png; do
  file="$work/pictures/$picture"
  head -c 300 /dev/urandom >"$file"
  cp "$file" "$work/good"
  run "--plot $picture under a file-size limit" 2 \
    bash -c 'trap "" XFSZ; ulimit -f 4; exec "$@"' limited "$program" --report --plot "$file" \
    >/dev/null
  cmp -s "$file" "$work/good" || fail "$picture was changed by a failed write"
  grep -qF "cannot write \"$file\": File too large" "$work/err" ||
    fail "$picture: $(cat "$work/err")"
  grep -qi "unknown error\|libpng" "$work/err" && fail "$picture: $(cat "$work/err")"
  [ "$(ls -A "$work/pictures" | wc -l)" -eq 1 ] ||
    fail "a part file was left behind: $(ls -A "$work/pictures")"
  rm -f "$file" "$work/good"
done

# A FIFO (or a device) in the picture's place stays what it is; the program neither blocks on
# it nor replaces it.
mkfifo "$work/pipe.png"
run "--plot FIFO" 2 timeout 60 "$program" --report --plot "$work/pipe.png"
[ -p "$work/pipe.png" ] || fail "the FIFO was replaced"
grep -q "not a regular file" "$work/err" || fail "FIFO: $(cat "$work/err")"
if mknod "$work/null.svg" c 1 3 2>/dev/null; then
  run "--chart device" 2 "$program" --sweep exit-delay=0:2:1 --chart "$work/null.svg"
  [ -c "$work/null.svg" ] || fail "the device node was replaced"
fi

# The picture modes, the load's briefing sheet among them, draw offscreen whatever display the
# session names.
for platform in xcb bogus; do
  DISPLAY="$no_display" QT_QPA_PLATFORM=$platform "$program" --report --plot "$work/p.png" \
    >"$work/out" 2>"$work/err"
  status=$?
  [ "$status" -eq 0 ] && [ -s "$work/p.png" ] && [ ! -s "$work/err" ] ||
    fail "--plot with QT_QPA_PLATFORM=$platform: status $status: $(cat "$work/err")"
  DISPLAY="$no_display" QT_QPA_PLATFORM=$platform "$program" --sweep exit-delay=0:2:1 \
    --chart "$work/c.svg" >/dev/null 2>"$work/err" && [ -s "$work/c.svg" ] ||
    fail "--chart with QT_QPA_PLATFORM=$platform: $(cat "$work/err")"
  DISPLAY="$no_display" QT_QPA_PLATFORM=$platform "$program" --load "$work/load.json" \
    --briefing "$work/b.png" >/dev/null 2>"$work/err" && [ -s "$work/b.png" ] ||
    fail "--briefing with QT_QPA_PLATFORM=$platform: $(cat "$work/err")"
  rm -f "$work/p.png" "$work/c.svg" "$work/b.png"
done

# The windows without a usable display: the program's own line and its own status, not Qt's
# abort (134). As root, and only in a build with the web engine, a note about Chromium's
# sandbox comes first, a line of its own; a build without the engine has no sandbox to speak of.
sandbox_notes=0
[ "$(id -u)" -eq 0 ] && [ "$with_web_engine" = 1 ] && sandbox_notes=1
for setting in "QT_QPA_PLATFORM=xcb DISPLAY=$no_display" "QT_QPA_PLATFORM=bogus" "DISPLAY="; do
  # shellcheck disable=SC2086
  env $setting "$program" 2>"$work/err"
  status=$?
  [ "$status" -eq 3 ] || fail "windows with $setting: status $status: $(cat "$work/err")"
  [ "$(grep -c "without Chromium's sandbox" "$work/err")" -eq "$sandbox_notes" ] &&
    [ "$(grep -cv "without Chromium's sandbox" "$work/err")" -eq 1 ] &&
    grep -q "^tarnwick: no usable display for the windows (.*); for results without" "$work/err" ||
    fail "windows with $setting:"$'\n'"$(cat "$work/err")"
done

exit $((failures > 0))
