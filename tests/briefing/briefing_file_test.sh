#!/usr/bin/env bash
# The briefing sheet as the program writes it: the PDF's text names every group and the delay
# to call before it, and a load that cannot be used leaves an earlier sheet as it was.
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

# A broken load: status 2, one line, nothing printed, the earlier sheet untouched.
cp "$work/sheet.pdf" "$work/before.pdf"
echo '{ "format": "tarnwick-load", "version": 1, "groups": [] }' >"$work/bad.json"
set +e
"$tarnwick" --load "$work/bad.json" --briefing "$work/sheet.pdf" >"$work/out" 2>"$work/err"
status=$?
set -e
[ $status -eq 2 ] || fail "status $status for a broken load"
[ ! -s "$work/out" ] || fail "something printed for a broken load"
[ "$(wc -l <"$work/err")" -eq 1 ] || fail "not one line: $(cat "$work/err")"
cmp -s "$work/sheet.pdf" "$work/before.pdf" || fail "the earlier sheet was replaced"

# --briefing alone is refused in one line.
set +e
"$tarnwick" --load "$work/load.json" --briefing "$work/sheet.txt" >/dev/null 2>"$work/err"
status=$?
set -e
[ $status -eq 2 ] && [ "$(wc -l <"$work/err")" -eq 1 ] || fail "a .txt sheet was not refused"
echo "briefing sheet: ok"
