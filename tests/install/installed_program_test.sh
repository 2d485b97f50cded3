#!/usr/bin/env bash
# Installs the build into a fresh prefix and checks that the installed program is complete and
# self-contained: the same results as the build tree's, its details browser module found where
# it was installed, its desktop files in place, and no trace of the build folder.
# Usage: installed_program_test.sh BUILD_DIR PREFIX BUILT_PROGRAM APP_ID FAULT_DRIVER SHIPPING_BUILD
#        LOAD_MIME_TYPE
# SHIPPING_BUILD is "no" for a sanitizer build, which names its build folder and whose web engine
# is tested elsewhere.
set -uo pipefail
build="$1" prefix="$2" built="$3" app_id="$4" driver="$5" shipping_build="$6" load_type="$7"
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
    "share/applications/$app_id.LoadPlanner.desktop" \
    "share/mime/packages/$app_id.xml" \
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
# A file manager finds the load files' type by the installed MIME package and opens them with
# the entry that names that type.
# The database is built in a folder of its own, named as a data folder so that the tool's only
# output is what it finds wrong.
mime_root="$prefix/mime-check" mime_copy="$prefix/mime-check/mime"
mkdir -p "$mime_copy/packages" && cp "$prefix/share/mime/packages/$app_id.xml" "$mime_copy/packages/"
if ! mime_errors="$(XDG_DATA_DIRS="$mime_root" update-mime-database "$mime_copy" 2>&1)" ||
   [ -n "$mime_errors" ]; then
  fail "update-mime-database refuses the MIME package: $mime_errors"
elif ! grep -qx "[0-9]*:$load_type:\*\.tarnwick-load\.json" "$mime_copy/globs2"; then
  fail "no glob for *.tarnwick-load.json in: $(cat "$mime_copy/globs2")"
fi
rm -rf "$mime_root"
grep -qx "MimeType=$load_type;" "$prefix/share/applications/$app_id.LoadPlanner.desktop" ||
  fail "the planner's menu entry does not name $load_type"
grep -qx "Exec=tarnwick --load-planner %f" "$prefix/share/applications/$app_id.LoadPlanner.desktop" ||
  fail "the planner's menu entry does not open the file in the planner"

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
