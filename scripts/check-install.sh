#!/usr/bin/env bash
# Checks what an installation gets: the desktop entry, the metainfo and the
# MIME type of the calculation files validate, `cmake --install` into a
# staging folder puts exactly the expected files, the staged program answers
# --version, and the Debian package built by cpack holds the same files.
# Usage: scripts/check-install.sh [BUILD_DIR]
set -euo pipefail
build=$(cd "${1:-$(dirname "$0")/../build}" && pwd)
cd "$(dirname "$0")/.."
id=io.github.ampera.Ampera
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")

expected=(
    "usr/bin/ampera"
    "usr/share/ampera/ampera.hlp"
    "usr/share/applications/$id.desktop"
    "usr/share/icons/hicolor/128x128/apps/$id.png"
    "usr/share/icons/hicolor/256x256/apps/$id.png"
    "usr/share/icons/hicolor/48x48/apps/$id.png"
    "usr/share/icons/hicolor/scalable/apps/$id.svg"
    "usr/share/metainfo/$id.metainfo.xml"
    "usr/share/mime/packages/$id.xml"
)
want=$(printf '%s\n' "${expected[@]}" | LC_ALL=C sort)

stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT

echo "== desktop entry and metainfo"
desktop-file-validate "data/$id.desktop"
appstreamcli validate --no-net --no-color "data/$id.metainfo.xml" >"$stage/appstream.log" ||
    { cat "$stage/appstream.log"; exit 1; }

echo "== cmake --install into a staging folder"
DESTDIR="$stage/root" cmake --install "$build" --prefix /usr >/dev/null
got=$(cd "$stage/root" && find . ! -type d | sed 's|^\./||' | LC_ALL=C sort)
diff <(echo "$want") <(echo "$got") || {
    echo "check-install: the staged files differ (- expected, + installed)" >&2; exit 1; }
answer=$("$stage/root/usr/bin/ampera" --version)
[ "$answer" = "ampera $version" ] || { echo "check-install: --version said '$answer'" >&2; exit 1; }
desktop-file-validate "$stage/root/usr/share/applications/$id.desktop"

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
diff <(echo "$want") <(echo "$got") || {
    echo "check-install: the package's files differ (- expected, + packaged)" >&2; exit 1; }
dpkg-deb -f "$deb" Package Version Section Depends | sed 's/^/  /'
echo "installation checks passed"
