#!/bin/sh
# Makes the pictures in docs/screenshots: the program against the simulated
# Identifier, every page of its three modes and every dialog, at 100 % and
# 200 % scaling; the pages whose words run longest also in German (the -de
# pictures); and a programming certificate (needs pdftoppm, poppler-utils).
# Usage: tests/ui/make-screenshots.sh [build folder]
set -eu
BUILD="${1:-build}"
SOURCE="$(cd "$(dirname "$0")/../.." && pwd)"
OUT="$SOURCE/docs/screenshots"
mkdir -p "$OUT"
cmake --build "$BUILD" --target ui_screenshot_tour translations
for scale in 1 2; do
    suffix=""
    [ "$scale" = 1 ] || suffix="@${scale}x"
    LANGUAGE=en QT_QPA_PLATFORM=offscreen QT_SCALE_FACTOR="$scale" \
        "$BUILD/tests/ui_screenshot_tour" "$SOURCE/sim/demo.json" "$OUT" "$suffix"
    GERMAN="$(mktemp -d)"
    LANGUAGE=de LANG=de_DE.UTF-8 QT_QPA_PLATFORM=offscreen QT_SCALE_FACTOR="$scale" \
        "$BUILD/tests/ui_screenshot_tour" "$SOURCE/sim/demo.json" "$GERMAN" "$suffix"
    for page in basic-mode advanced-voyage-data advanced-gnss-status advanced-diagnostics confirm-dialog \
        vessel-identity-dialog unsent-edits-box updater-choice recovery-family-dialog advanced-gnss-sky \
        advanced-broadcasts-received; do
        cp "$GERMAN/$page$suffix.png" "$OUT/$page-de$suffix.png"
    done
    rm -r "$GERMAN"
done
# A4 at 60 dpi.
pdftoppm -r 60 -png -singlefile "$OUT/certificate.pdf" "$OUT/certificate"
rm "$OUT/certificate.pdf"
echo "screenshots written to $OUT"
