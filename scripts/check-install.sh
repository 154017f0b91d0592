#!/usr/bin/env bash
# Checks what an installation gets: the metainfo validates (pedantic), and so
# does the MIME type of the calculation files; `cmake --install` into a staging
# folder puts exactly the expected files, the staged desktop entry validates and
# starts the installed program by its absolute path, the staged program answers
# --version, the chart module lies in <libdir>/ampera/modules/ with its entry, the
# Debian package built by cpack holds the same files, its manual page among
# them, depends on Qt Charts and passes lintian without an error or a warning.
# Usage: scripts/check-install.sh [BUILD_DIR]
set -euo pipefail
build=$(cd "${1:-$(dirname "$0")/../build}" && pwd)
cd "$(dirname "$0")/.."
id=io.github.ampera.Ampera
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")

libdir=$(sed -n 's/^CMAKE_INSTALL_LIBDIR:PATH=//p' "$build/CMakeCache.txt")

expected=(
    "usr/bin/ampera"
    "usr/$libdir/ampera/modules/ampera-charts.so"
    "usr/share/ampera/ampera.hlp"
    "usr/share/applications/$id.desktop"
    "usr/share/doc/ampera/changelog.gz"
    "usr/share/doc/ampera/copyright"
    "usr/share/icons/hicolor/128x128/apps/$id.png"
    "usr/share/icons/hicolor/256x256/apps/$id.png"
    "usr/share/icons/hicolor/48x48/apps/$id.png"
    "usr/share/icons/hicolor/scalable/apps/$id.svg"
    "usr/share/man/man1/ampera.1.gz"
    "usr/share/metainfo/$id.metainfo.xml"
    "usr/share/mime/packages/$id.xml"
)
want=$(printf '%s\n' "${expected[@]}" | LC_ALL=C sort)

# What the pedantic metainfo validation may report, tag and hint, and why:
allowed_metainfo=(
    # The ID names the desktop entry, the icon files and the metainfo of every
    # release (reverse-DNS with the program's name capitalised, which AppStream
    # permits); a new ID would orphan what earlier installs left.
    "cid-contains-uppercase-letter $id"
    # <developer> is AppStream's current tag for it; Debian 12's appstream
    # 0.16 predates it (and reads the <developer_name> beside it).
    "unknown-tag developer"
)

stage=$(mktemp -d)
# The staging install rewrites build/install_manifest.txt: the user's own
# install's manifest (which the README's removal reads) is put back.
manifest="$build/install_manifest.txt"
[ -f "$manifest" ] && cp -p "$manifest" "$stage/manifest"
trap 'if [ -f "$stage/manifest" ]; then cp -p "$stage/manifest" "$manifest"; else rm -f "$manifest"; fi; rm -rf "$stage"' EXIT
fail() { echo "check-install: $*" >&2; exit 1; }

echo "== metainfo"
appstreamcli validate --pedantic --no-net --no-color "data/$id.metainfo.xml" >"$stage/appstream.log" ||
    { cat "$stage/appstream.log"; exit 1; }
reported=$(awk '/^[EWIP]: /{print $3, $4}' "$stage/appstream.log" | sed 's/ $//' | LC_ALL=C sort)
unexplained=$(LC_ALL=C comm -23 <(echo "$reported" | sed '/^$/d') <(printf '%s\n' "${allowed_metainfo[@]}" | LC_ALL=C sort))
[ -z "$unexplained" ] || { cat "$stage/appstream.log"; fail "metainfo issues without a reason: $unexplained"; }

echo "== cmake --install into a staging folder"
DESTDIR="$stage/root" cmake --install "$build" --prefix /usr >/dev/null
got=$(cd "$stage/root" && find . ! -type d | sed 's|^\./||' | LC_ALL=C sort)
diff <(echo "$want") <(echo "$got") || fail "the staged files differ (- expected, + installed)"
answer=$("$stage/root/usr/bin/ampera" --version)
[ "$answer" = "ampera $version" ] || fail "--version said '$answer'"
entry="$stage/root/usr/share/applications/$id.desktop"
desktop-file-validate "$entry"
exec_line=$(grep '^Exec=' "$entry")
module="$stage/root/usr/$libdir/ampera/modules/ampera-charts.so"
nm -D --defined-only "$module" | grep -qw amperaTimeChartDrawing || fail "the chart module exports no entry"
# The program's way to the module from its own folder (a UTF-16 literal) leads to the installed module.
from_bin=$(strings -e l "$stage/root/usr/bin/ampera" | grep -m1 -x '[./a-z0-9_-]*ampera/modules/' || true)
[ -n "$from_bin" ] && [ -f "$stage/root/usr/bin/$from_bin/ampera-charts.so" ] ||
    fail "the program looks for its chart module in '$from_bin'"
[ "$exec_line" = "Exec=/usr/bin/ampera %f" ] || fail "the staged desktop entry has '$exec_line'"

echo "== the MIME type of the calculation files"
# Well-formed, and taken by update-mime-database without a word: on a copy, so that the staging folder stays
# as installed, with the copy's folder among the data folders, so that it does not warn of the search path.
xmllint --noout "$stage/root/usr/share/mime/packages/$id.xml"
mkdir -p "$stage/mime/packages"
cp "$stage/root/usr/share/mime/packages/$id.xml" "$stage/mime/packages/"
XDG_DATA_DIRS="$stage:${XDG_DATA_DIRS:-/usr/local/share:/usr/share}" update-mime-database "$stage/mime" 2>&1 |
    tee "$stage/mime.log"
[ ! -s "$stage/mime.log" ] || { echo "check-install: update-mime-database complained" >&2; exit 1; }
grep -qx '50:application/x-ampera-calculation:\*\.ampera' "$stage/mime/globs2" || {
    echo "check-install: *.ampera is not application/x-ampera-calculation" >&2; exit 1; }
grep -q 'Расчет токов КЗ ampera' "$stage/mime/application/x-ampera-calculation.xml" || {
    echo "check-install: the type has not its comment" >&2; exit 1; }
grep -qx 'MimeType=application/x-ampera-calculation;' "$stage/root/usr/share/applications/$id.desktop" || {
    echo "check-install: the desktop entry does not open calculation files" >&2; exit 1; }

echo "== cpack -G DEB"
(cd "$build" && cpack -G DEB -B "$stage/package" >"$stage/cpack.log" 2>&1) || { cat "$stage/cpack.log"; exit 1; }
deb=$(ls "$stage"/package/ampera_"$version"_*.deb)
got=$(dpkg-deb -c "$deb" | awk '{print $6}' | grep -v '/$' | sed 's|^\./||' | LC_ALL=C sort)
diff <(echo "$want") <(echo "$got") || fail "the package's files differ (- expected, + packaged)"
echo "$got" | grep -qx "usr/share/man/man1/ampera.1.gz" || fail "the package has no manual page"
dpkg-deb -f "$deb" Package Version Section Depends Recommends Homepage | sed 's/^/  /'
dpkg-deb -f "$deb" Depends | grep -q 'libqt6charts6' || fail "the package does not depend on Qt Charts"

echo "== lintian"
status=0
lintian --fail-on error,warning --tag-display-limit 0 --display-info "$deb" >"$stage/lintian.log" 2>&1 || status=$?
grep -v '^running with root privileges' "$stage/lintian.log" | sed 's/^/  /' || true
[ "$status" -eq 0 ] && ! grep -q '^[EW]: ' "$stage/lintian.log" || fail "lintian reports errors or warnings"
echo "installation checks passed"
