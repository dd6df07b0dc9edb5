#!/usr/bin/env bash
# Builds the Debian package from a finished build (build-test/ unless another folder is
# named) and checks that it holds the installation and depends on what the programs need.
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build-test}
rm -f "$build"/tarnwell_*.deb
if ! (cd "$build" && cpack -G DEB >cpack.log 2>&1); then
    cat "$build/cpack.log" >&2
    exit 1
fi
deb=$(ls "$build"/tarnwell_*.deb)
contents=$(dpkg-deb -c "$deb")
id=example.tarnwell_refrigeration.Tarnwell
expected=(
    "./usr/lib/tarnwell/Program" "./usr/lib/tarnwell/Vantora" "./usr/lib/tarnwell/tarnwell"
    "./usr/lib/tarnwell/opdata/default.lng" "./usr/lib/tarnwell/opdata/tarnwell.ico"
    "./usr/lib/tarnwell/proddata/CRatings.rec" "./usr/lib/tarnwell/proddata/catalogue.pdf"
    "./usr/bin/tarnwell -> ../lib/tarnwell/tarnwell" "./usr/bin/Vantora -> ../lib/tarnwell/Vantora"
    "./usr/share/applications/$id.desktop" "./usr/share/metainfo/$id.metainfo.xml"
    "./usr/share/mime/packages/$id.xml" "./usr/share/icons/hicolor/scalable/apps/$id.svg"
    "./usr/share/icons/hicolor/256x256/apps/$id.png" "./usr/share/doc/tarnwell/copyright")
for path in "${expected[@]}"; do
    grep -qF " $path" <<<"$contents" || { echo "$deb lacks $path" >&2; exit 1; }
done
grep -q '/usr/lib/tarnwell/proddata/specs/.*\.pdf$' <<<"$contents" ||
    { echo "$deb lacks the data sheets" >&2; exit 1; }
depends=$(dpkg-deb -f "$deb" Depends)
for package in xdg-utils libc6 libqt6gui6 libqt6widgets6; do
    grep -q "\b$package\b" <<<"$depends" ||
        { echo "$deb does not depend on $package: $depends" >&2; exit 1; }
done
echo "$deb: $(grep -c . <<<"$contents") entries; Depends: $depends"
