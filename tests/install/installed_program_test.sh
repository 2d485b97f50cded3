#!/usr/bin/env bash
# Installs the build into a fresh prefix and checks that the installed program is complete and
# self-contained: the same results as the build tree's, its details browser module found where
# it was installed, its desktop files in place, and no trace of the build folder.
# Usage: installed_program_test.sh BUILD_DIR PREFIX BUILT_PROGRAM APP_ID FAULT_DRIVER SHIPPING_BUILD
# SHIPPING_BUILD is "no" for a sanitizer build, which names its build folder and whose web engine
# is tested elsewhere.
set -uo pipefail
build="$1" prefix="$2" built="$3" app_id="$4" driver="$5" shipping_build="$6"
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

rm -rf "$prefix"
cmake --install "$build" --prefix "$prefix" >/dev/null || { echo "FAIL: cmake --install"; exit 1; }
installed="$prefix/bin/tarnwick"
[ -x "$installed" ] || { echo "FAIL: no executable at $installed"; exit 1; }

# The same results, warnings and status as the build tree's program.
for args in "--report 5" "--report 1 --exit-delay 40" "--recommend-delay 1000 --first slow --second slow"; do
  # shellcheck disable=SC2086
  expected="$("$built" $args 2>&1; echo "status $?")"
  # shellcheck disable=SC2086
  actual="$("$installed" $args 2>&1; echo "status $?")"
  [ "$expected" == "$actual" ] || fail "tarnwick $args differs:"$'\n'"$(diff <(echo "$expected") <(echo "$actual"))"
done

for file in \
    "share/applications/$app_id.desktop" \
    "share/metainfo/$app_id.metainfo.xml" \
    "share/icons/hicolor/scalable/apps/$app_id.svg" \
    "share/man/man1/tarnwick.1.gz"; do
  [ -s "$prefix/$file" ] || fail "$file not installed"
done
for size in 16 22 24 32 48 64 128 256; do
  icon="$prefix/share/icons/hicolor/${size}x${size}/apps/$app_id.png"
  if [ ! -s "$icon" ]; then
    fail "no ${size} pixel icon"
  elif ! file "$icon" | grep -q "PNG image data, $size x $size,"; then
    fail "the ${size} pixel icon is $(file -b "$icon")"
  fi
done
modules=("$prefix"/lib*/tarnwick/modules/libtarnwick_details_browser.so)
[ -f "${modules[0]}" ] || fail "the details browser module is not installed"

# Nothing installed may point back into the build folder: no run path, no module path.
if [ "$shipping_build" == yes ] && matches="$(grep -rlF -- "$build" "$prefix")"; then
  fail "the build folder is named in: $matches"
fi

# The installed program opens its details browser from the installed module: the build tree's
# copy is nowhere it looks.
if [ "$shipping_build" == yes ]; then
  output="$(QT_QPA_PLATFORM=offscreen LD_PRELOAD="$driver" \
            TARNWICK_FAULT_CASE="exit details-reopened" timeout 60 "$installed" 2>&1)"
  status=$?
  if [ $status -ne 0 ] || ! grep -q "fault driver: details reopened" <<<"$output" ||
     grep -q "could not be loaded" <<<"$output"; then
    fail "the installed program did not open its details browser (status $status):"$'\n'"$output"
  fi
fi

[ $failures -eq 0 ] && echo "installed program in $prefix: all checks passed"
exit $((failures > 0))
