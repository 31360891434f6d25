#!/bin/sh
# Installs the Debian packages the build, the tests and the demo need.
# Safe to run again: only packages that are missing are installed.
set -eu

PACKAGES="
build-essential
cmake
qtbase5-dev
qtbase5-dev-tools
libqt5serialport5-dev
libqt5svg5-dev
libqt5sql5-sqlite
libqt5sql5-psql
postgresql-15
libqwt-qt5-dev
qttools5-dev-tools
qttranslations5-l10n
libxml2-utils
lrzsz
socat
gdal-bin
gpsd-clients
python3
clang
libclang-rt-14-dev
xvfb
poppler-utils
dpkg-dev
file
lintian
desktop-file-utils
appstream
"

missing=""
for p in $PACKAGES; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        missing="$missing $p"
    fi
done

if [ -z "$missing" ]; then
    exit 0
fi

SUDO=""
if [ "$(id -u)" -ne 0 ]; then
    SUDO="sudo"
fi

echo "Installing:$missing"
$SUDO apt-get update -qq
DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends $missing
