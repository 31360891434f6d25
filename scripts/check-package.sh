#!/bin/sh
# Checks the Debian package of a build folder (default build/): lintian finds
# no error, the desktop entry and the AppStream metadata validate, and the
# programs run from the package unpacked into a temporary root.
set -eu
cd "$(dirname "$0")/.."
BUILD="${1:-build}"

deb=$(ls -t "$BUILD"/velmora_*.deb | head -n 1)
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
dpkg-deb -x "$deb" "$root"

echo "== lintian $deb"
lintian --fail-on error "$deb"
echo "== desktop-file-validate"
desktop-file-validate "$root/usr/share/applications/velmora.desktop"
echo "== appstreamcli validate"
appstreamcli validate --no-net "$root/usr/share/metainfo/com.norwake.velmora.metainfo.xml"

# The updater must lie where the installed velmora looks for it.
test -x "$root/usr/libexec/velmora/Flashwell"
echo "== velmora-cli --version"
"$root/usr/bin/velmora-cli" --version
echo "== velmora --help"
QT_QPA_PLATFORM=offscreen "$root/usr/bin/velmora" --help
