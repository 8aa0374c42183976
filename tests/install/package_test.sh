#!/usr/bin/env bash
# The Debian package as a player gets it, made by CPack from this build: a
# valid desktop entry and metainfo, everything the menu entry names inside,
# one version throughout, and dependencies that bring Qt, the Chinese font
# and Qt's Chinese translations.
# Usage: package_test.sh <build folder> <sample Data folder>
set -euo pipefail
build=$1 data=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

failures=0
fail() {
  echo "package_test: $*" >&2
  failures=$((failures + 1))
}
stop() {
  echo "package_test: $*" >&2
  exit 1
}

(cd "$work" && cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work/out") >"$work/cpack.log" 2>&1 ||
  { cat "$work/cpack.log" >&2; stop "cpack failed"; }
debs=("$work"/out/*.deb)
[ ${#debs[@]} -eq 1 ] && [ -f "${debs[0]}" ] || stop "cpack made no single .deb: $(ls "$work/out")"
deb=${debs[0]}
version=$(dpkg-deb -f "$deb" Version)
[ "$(basename "$deb")" = "lumivox_${version}_amd64.deb" ] || fail "the package is named $(basename "$deb")"

dpkg-deb -c "$deb" | awk '{ print substr($6, 2) }' >"$work/files"
has() { grep -qxF "$1" "$work/files" || fail "the package lacks $1"; }
dpkg-deb -x "$deb" "$work/root"
root=$work/root

has /usr/bin/lumivox
[ "$("$root/usr/bin/lumivox" --version)" = "lumivox $version" ] || fail "lumivox --version does not say $version"
has /usr/bin/lumivox-check
"$root/usr/bin/lumivox-check" "$root/usr/share/lumivox/Data" >/dev/null || fail "lumivox-check finds errors in the installed sample Data"
for f in "$data"/*; do has "/usr/share/lumivox/Data/${f##*/}"; done

entries=("$root"/usr/share/applications/*.desktop)
[ ${#entries[@]} -eq 1 ] && [ -f "${entries[0]}" ] || stop "no single desktop entry in /usr/share/applications"
entry=${entries[0]}
desktop-file-validate "$entry" || fail "desktop-file-validate found faults in ${entry##*/}"
command=$(sed -n 's/^Exec=\([^ ]*\).*/\1/p' "$entry")
has "/usr/bin/$command"
icon=$(sed -n 's/^Icon=//p' "$entry")
has "/usr/share/icons/hicolor/scalable/apps/$icon.svg"
for size in 16 32 48 64 128 256; do
  png=/usr/share/icons/hicolor/${size}x${size}/apps/$icon.png
  has "$png"
  file "$root$png" | grep -q "PNG image data, $size x $size," || fail "$png is not a $size px PNG"
done

metainfo=$root/usr/share/metainfo/${entry##*/}
metainfo=${metainfo%.desktop}.metainfo.xml
[ -f "$metainfo" ] || stop "no metainfo named after the desktop entry: ${metainfo#"$root"}"
# Offline: a check that needs the network is left out rather than failed.
appstreamcli validate --no-net "$metainfo" || fail "appstreamcli found faults in ${metainfo##*/}"
grep -q "<launchable type=\"desktop-id\">${entry##*/}</launchable>" "$metainfo" || fail "the metainfo launches another desktop entry"
grep -q "<release version=\"$version\"" "$metainfo" || fail "the metainfo's release is not $version"

depends=$(dpkg-deb -f "$deb" Depends)
for package in libqt6core6 libqt6gui6 libqt6widgets6 libxi6 fonts-wqy-microhei qt6-translations-l10n; do
  [[ ", $depends," =~ ,\ $package[\ ,] ]] || fail "Depends lacks $package: $depends"
done

[ $failures -eq 0 ] || exit 1
echo "package_test: $(basename "$deb"), $(wc -l <"$work/files") entries; Depends: $depends"
