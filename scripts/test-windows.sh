#!/usr/bin/env bash
# Builds the plain layers and their unit tests for 64-bit Windows with mingw-w64
# in build-windows/ (the preset windows: cmake/mingw-w64-x86_64.cmake) and runs
# the tests under Wine, in a fresh Wine prefix of this run's own and without a
# display. Arguments go to the test program (--gtest_filter=...); the exit
# status is GoogleTest's.
set -euo pipefail
cd "$(dirname "$0")/.."

echo "== the plain layers for Windows and their unit tests under Wine"
started=$SECONDS
cmake --preset windows >/dev/null
cmake --build --preset windows -j"$(nproc)" >/dev/null
echo "built in $((SECONDS - started)) s"

# The prefix, made on the first start, and its wineserver (with its socket's
# folder, which Debian's Wine makes under TMPDIR) last only as long as this run.
wine_home=$(mktemp -d)
export WINEPREFIX="$wine_home/prefix" TMPDIR="$wine_home"
stop_wine() {
    /usr/lib/wine/wineserver64 -k 2>/dev/null || true
    rm -rf "$wine_home"
}
trap stop_wine EXIT

# Quiet, with no offer to install Wine's Gecko or Mono, no menu entries for
# the user's desktop, and no window.
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
unset DISPLAY WAYLAND_DISPLAY
# Failures and the summary alone unless --gtest_brief=0 is given.
export GTEST_BRIEF=1

# The prefix made first, apart from the run: its notes on stderr (and a 32-bit
# helper that a 64-bit-only Wine cannot start) are not the tests'.
started=$SECONDS
if ! /usr/lib/wine/wine64 wineboot --init >"$wine_home/wineboot.log" 2>&1; then
    cat "$wine_home/wineboot.log" >&2
    exit 1
fi
echo "Wine prefix made in $((SECONDS - started)) s"

started=$SECONDS
status=0
/usr/lib/wine/wine64 build-windows/ampera-unit.exe "$@" || status=$?
echo "ran under Wine in $((SECONDS - started)) s"
exit "$status"
