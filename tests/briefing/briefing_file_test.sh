#!/usr/bin/env bash
# The briefing sheet as the program writes it: the PDF's text names every group and the delay
# to call before it, and a load that cannot be used or a sheet that cannot be written leaves an
# earlier sheet as it was and prints nothing.
# Usage: briefing_file_test.sh PATH_TO_TARNWICK
set -euo pipefail
tarnwick="$1"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

# The delays are the load file's own, so the sheet must call them as given.
cat >"$work/load.json" <<'JSON'
{ "format": "tarnwick-load", "version": 1, "name": "Test load",
  "aircraft": { "indicatedAirspeed": 80, "exitAltitude": 13500 },
  "winds": [ { "headwind": 10 } ],
  "targetSeparation": 1000, "minimumDelay": 5,
  "groups": [ { "name": "Alpha Belly", "fallRate": "slow" },
              { "name": "Bravo Freefly", "fallRate": "fast", "delay": 7 },
              { "name": "Charlie Tandem", "fallRate": "slow", "delay": 12 } ] }
JSON

"$tarnwick" --load "$work/load.json" --briefing "$work/sheet.pdf" >/dev/null ||
  fail "--briefing exited with $?"
text="$(pdftotext -layout "$work/sheet.pdf" -)"
grep -q "Test load" <<<"$text" || fail "no load name"
grep -Eq "Alpha Belly +first out" <<<"$text" || fail "the first group is not called first out"
grep -Eq "Bravo Freefly +7 ?s" <<<"$text" || fail "no 7 s call before Bravo Freefly"
grep -Eq "Charlie Tandem +12 ?s" <<<"$text" || fail "no 12 s call before Charlie Tandem"
[ "$(pdfinfo "$work/sheet.pdf" | sed -n 's/^Pages: *//p')" = 1 ] || fail "not one page"

# refused WHAT COMMAND...: the command ends with status 2, one line on standard error and
# nothing on standard output.
refused() {
  local what="$1"
  shift
  set +e
  "$@" >"$work/out" 2>"$work/err"
  local status=$?
  set -e
  [ $status -eq 2 ] || fail "$what: status $status"
  [ ! -s "$work/out" ] || fail "$what: something printed: $(cat "$work/out")"
  [ "$(wc -l <"$work/err")" -eq 1 ] || fail "$what: not one line: $(cat "$work/err")"
}

# A broken load: the earlier sheet untouched.
cp "$work/sheet.pdf" "$work/before.pdf"
echo '{ "format": "tarnwick-load", "version": 1, "groups": [] }' >"$work/bad.json"
refused "a broken load" "$tarnwick" --load "$work/bad.json" --briefing "$work/sheet.pdf"
cmp -s "$work/sheet.pdf" "$work/before.pdf" || fail "the earlier sheet was replaced"

# The load's table is printed only once the sheet is written: a sheet that fails halfway (under
# a file-size limit, as on a full disk) prints nothing and leaves the earlier sheet.
refused "a sheet that cannot be written" bash -c 'trap "" XFSZ; ulimit -f 4; exec "$@"' limited \
  "$tarnwick" --load "$work/load.json" --briefing "$work/sheet.pdf"
cmp -s "$work/sheet.pdf" "$work/before.pdf" || fail "the earlier sheet was replaced"

# The load file is never waited on: a FIFO no one writes to is refused at once, sheet or not.
mkfifo "$work/fifo.json"
refused "a FIFO as the load file" timeout 60 "$tarnwick" --load "$work/fifo.json" \
  --briefing "$work/sheet.pdf"

# A sheet of a type the program does not write is refused in one line; so is --briefing without
# its file, whose place the next option never takes.
refused "a .txt sheet" "$tarnwick" --load "$work/load.json" --briefing "$work/sheet.txt"
refused "--briefing --json" "$tarnwick" --load "$work/load.json" --briefing --json
grep -q "^tarnwick: --briefing needs a value" "$work/err" || fail "--briefing: $(cat "$work/err")"
[ ! -e "$work/--json" ] || fail "a sheet named --json was written"
echo "briefing sheet: ok"
