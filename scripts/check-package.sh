#!/bin/sh
# Checks the Debian package of a build folder (default build/): lintian finds
# no error and no program without a manual page, the desktop entry and the
# AppStream metadata validate, and the programs run from the package unpacked
# into a temporary root, their manual pages naming every option of --help.
set -eu
cd "$(dirname "$0")/.."
BUILD="${1:-build}"

deb=$(ls -t "$BUILD"/velmora_*.deb | head -n 1)
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
dpkg-deb -x "$deb" "$root"

echo "== lintian $deb"
report=$(lintian --fail-on error "$deb") || { echo "$report"; exit 1; }
echo "$report"
if echo "$report" | grep -q 'no-manual-page'; then
    echo "a program of the package has no manual page" >&2
    exit 1
fi
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

# A manual page that has fallen behind --help names fewer options.
echo "== manual pages name every option of --help"
for program in velmora velmora-cli; do
    manual=$(zcat "$root/usr/share/man/man1/$program.1.gz" | sed 's/\\-/-/g')
    for option in $(QT_QPA_PLATFORM=offscreen "$root/usr/bin/$program" --help | grep -o -- '--[a-z-]*' | sort -u); do
        case "$manual" in
        *"$option"*) ;;
        *) echo "$program.1 does not name $option" >&2; exit 1 ;;
        esac
    done
done
