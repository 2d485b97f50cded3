#!/usr/bin/env bash
# The manual page formats without a warning and documents every option the program's --help
# lists, so the two cannot drift apart.
# Usage: man_page_test.sh MAN_PAGE PROGRAM
set -uo pipefail
page="$1" program="$2"
failures=0

warnings="$(groff -man -ww -z "$page" 2>&1)"
if [ -n "$warnings" ]; then
  echo "FAIL: groff warns about the manual page:"
  echo "$warnings"
  failures=$((failures + 1))
fi

# In roff source a literal hyphen is written \-, so read the page as text first.
text="$(sed 's/\\-/-/g' "$page")"
options="$("$program" --help | grep -oE -- '--[a-z][a-z-]*' | sort -u)"
[ -n "$options" ] || { echo "FAIL: no options in --help"; exit 1; }
for option in $options; do
  if ! grep -qF -- "$option" <<<"$text"; then
    echo "FAIL: $option is in --help but not in the manual page"
    failures=$((failures + 1))
  fi
done
# The exit statuses: the same numbers in --help and in the page's EXIT STATUS section.
help_statuses="$("$program" --help | sed -n '/^Exit status:/,$p' | grep -oE '^  [0-9]+ ' | tr -d ' ' | sort)"
page_statuses="$(awk '/^\.SH /{on=($0==".SH EXIT STATUS")} on' "$page" | grep -oE '^\.B [0-9]+$' |
  cut -d' ' -f2 | sort)"
if [ -z "$help_statuses" ] || [ "$help_statuses" != "$page_statuses" ]; then
  echo "FAIL: exit statuses differ: --help has" $help_statuses "and the manual page" $page_statuses
  failures=$((failures + 1))
fi
for section in NAME SYNOPSIS DESCRIPTION ARGUMENT "EXIT STATUS"; do
  grep -qx "\.SH $section" "$page" || { echo "FAIL: no $section section"; failures=$((failures + 1)); }
done
exit $((failures > 0))
